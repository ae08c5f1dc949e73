# The Win32 layer, the program, and the tests that run under Wine.

set(TH_WIN32_DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(TH_SYSTEM_LIBS user32 gdi32 shell32 ole32 advapi32 psapi version ntdll)
# Small and self-contained: no MinGW DLL beside the program.
set(TH_STATIC_LINK -static -static-libgcc -static-libstdc++)

# What every Windows program and DLL of the build shares: the Win32 definitions, the
# warnings, the static runtime, and the build folder's root as its place, beside
# Trayhush.exe, where the tests and scripts look for it.
function(th_windows_program target)
  target_compile_definitions(${target} PRIVATE ${TH_WIN32_DEFINITIONS})
  target_compile_options(${target} PRIVATE ${TH_WARNINGS})
  target_link_options(${target} PRIVATE ${TH_STATIC_LINK})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

# The Win32 layer with the program's real windows, then the top: the program's assembly,
# its entry point and the runtime replacements, which only Trayhush.exe itself links.
th_layer(th_win32 platform/win32 LINKS th_platform ${TH_SYSTEM_LIBS})
target_include_directories(th_win32 PUBLIC resources)
target_compile_definitions(th_win32 PUBLIC ${TH_WIN32_DEFINITIONS})
th_layer(th_program program EXCLUDE EntryPoint.cpp LeanRuntime.cpp LINKS th_app th_win32)
foreach(th_layer_target th_settings th_drives th_detect th_suppress th_tray th_about th_app th_win32 th_program)
  target_compile_options(${th_layer_target} PRIVATE -ffunction-sections -fdata-sections)
endforeach()

add_executable(Trayhush WIN32 src/program/EntryPoint.cpp src/program/LeanRuntime.cpp
               resources/Trayhush.rc)
# windres reports no dependencies of its own: without these, a redrawn icon would not
# reach the program until a clean build.
set_source_files_properties(resources/Trayhush.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/resources/disc_green.ico;${PROJECT_SOURCE_DIR}/resources/disc_red.ico;${PROJECT_SOURCE_DIR}/resources/Trayhush.manifest;${PROJECT_SOURCE_DIR}/resources/resource_ids.h")
th_windows_program(Trayhush)
target_link_options(Trayhush PRIVATE -municode -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
target_link_libraries(Trayhush PRIVATE th_program)

include(cmake/release.cmake)

# What drives the real Trayhush.exe from outside under Wine (its processes, windows and
# registry, temporary disc folders, CD-ROM drives from Wine's mount manager): shared by the
# demonstration, the benchmarks and the tests.
file(GLOB TH_HARNESS_SOURCES CONFIGURE_DEPENDS harness/*.cpp)
list(FILTER TH_HARNESS_SOURCES EXCLUDE REGEX "/th_inject\\.cpp$")
add_library(th_harness STATIC ${TH_HARNESS_SOURCES})
target_include_directories(th_harness PUBLIC ${PROJECT_SOURCE_DIR} resources)
target_compile_definitions(th_harness PUBLIC ${TH_WIN32_DEFINITIONS})
target_compile_options(th_harness PRIVATE ${TH_WARNINGS})
target_link_libraries(th_harness PUBLIC user32 shell32 advapi32 psapi)

if(NOT TH_BUILD_TESTS)
  return()
endif()

file(GLOB TH_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp tests/win32/*.rc)
add_executable(win32_tests ${TH_WIN32_TEST_SOURCES})
target_include_directories(win32_tests PRIVATE tests)
th_windows_program(win32_tests)
target_link_libraries(win32_tests PRIVATE th_program trayhush_fakes th_harness GTest::gtest_main)
add_test(NAME win32_tests COMMAND win32_tests)

# ---- Autorun suppression: helper programs for the Win32 tests, and the scan benchmark ----
# The helpers land beside win32_tests, where the tests look for them: a stand-in for a
# disc's autorun program (shared with the benchmarks and the demonstration's machine), and
# a probe of the show state a program was started with. They are window-subsystem
# programs: under Wine a console program gets a console host that can outlive it and keep
# the test runner's output pipe open.
add_executable(th_sleeper harness/sleeper/Sleeper.cpp)
add_executable(th_show_state tests/win32/helpers/show_state.cpp)
# Kept running by scripts/wine-env.sh for a whole session of tests.
add_executable(th_session_keeper harness/keeper/SessionKeeper.cpp)
target_link_libraries(th_session_keeper PRIVATE shell32)
foreach(th_helper th_sleeper th_show_state th_session_keeper)
  th_windows_program(${th_helper})
  target_link_options(${th_helper} PRIVATE -municode -mwindows)
  target_link_libraries(${th_helper} PRIVATE user32)
  add_dependencies(win32_tests ${th_helper})
endforeach()

# Built with everything, run by hand under Wine (never by ctest): prints medians.
add_executable(bench_process_scan bench/ProcessScanBench.cpp)
th_windows_program(bench_process_scan)
target_link_options(bench_process_scan PRIVATE -municode)
target_link_libraries(bench_process_scan PRIVATE th_win32 th_app)
add_dependencies(bench_process_scan th_sleeper)
# ---- end of the autorun suppression block ----

# ---- Disc arrival detection: the volume-polling benchmark ----
# Built with everything, run by hand under Wine (never by ctest): prints medians. It defines
# its CD-ROM drives through Wine's mount manager with the tests' drive helpers.
add_executable(bench_polling bench/PollingBench.cpp)
th_windows_program(bench_polling)
target_link_options(bench_polling PRIVATE -municode)
target_link_libraries(bench_polling PRIVATE th_win32 th_detect th_harness)

# ---- end of the volume-polling benchmark ----

# ---- End to end: the real Trayhush.exe driven from outside under Wine ----
# th_notify_probe.dll is loaded into the running program by th_inject.exe (or by the
# driver itself) to raise the shell's media notification there, since Wine delivers those
# only inside the process that raises them. The program itself carries no test hook.
file(GLOB TH_NOTIFY_PROBE_SOURCES CONFIGURE_DEPENDS harness/notify_probe/*.cpp)
add_library(th_notify_probe SHARED ${TH_NOTIFY_PROBE_SOURCES})
th_windows_program(th_notify_probe)
target_link_libraries(th_notify_probe PRIVATE shell32 user32)
set_target_properties(th_notify_probe PROPERTIES PREFIX "")

add_executable(th_inject harness/th_inject.cpp harness/ErrorText.cpp harness/RemoteLibrary.cpp)
target_include_directories(th_inject PRIVATE ${PROJECT_SOURCE_DIR})
th_windows_program(th_inject)
target_link_options(th_inject PRIVATE -municode)
target_link_libraries(th_inject PRIVATE psapi)

file(GLOB TH_E2E_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
add_executable(th_e2e ${TH_E2E_SOURCES})
th_windows_program(th_e2e)
target_link_libraries(th_e2e PRIVATE th_harness GTest::gtest_main)
add_dependencies(th_e2e Trayhush th_notify_probe th_inject th_sleeper th_session_keeper)
add_test(NAME e2e COMMAND th_e2e)
# One Trayhush per session and machine-wide settings: nothing else may run beside it.
set_tests_properties(e2e PROPERTIES RUN_SERIAL TRUE ENVIRONMENT
  "TH_EXE=$<TARGET_FILE:Trayhush>;TH_NOTIFY_PROBE=$<TARGET_FILE:th_notify_probe>;TH_SLEEPER=$<TARGET_FILE:th_sleeper>")
# ---- end of the end-to-end block ----

# ---- Demonstration: scripts/demo.sh runs th_demo.exe under Wine ----
# The disc's own autorun program and a stand-in for the user's DVD player, both tiny
# windowed programs, and the driver that plays the scene and prints its timeline.
foreach(th_demo_program demoauto demoplayer)
  add_executable(${th_demo_program} WIN32 demo/${th_demo_program}.cpp demo/DemoWindow.cpp)
  th_windows_program(${th_demo_program})
  target_link_options(${th_demo_program} PRIVATE -municode)
  target_link_libraries(${th_demo_program} PRIVATE user32 gdi32)
endforeach()

file(GLOB TH_DEMO_SOURCES CONFIGURE_DEPENDS demo/driver/*.cpp)
add_executable(th_demo ${TH_DEMO_SOURCES})
target_include_directories(th_demo PRIVATE tests resources)
th_windows_program(th_demo)
target_link_options(th_demo PRIVATE -municode)
target_link_libraries(th_demo PRIVATE th_harness)
add_dependencies(th_demo Trayhush th_notify_probe demoauto demoplayer)
# ---- end of the demonstration block ----

include(cmake/reliability.cmake)
include(cmake/bench.cmake)
