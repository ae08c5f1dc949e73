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

# The Win32 layers, then the top: the implementations of the platform's interfaces, the
# process-wide plumbing (message loop, timer thread, crash guard), the program's windows,
# and the program's assembly, its entry point and the runtime replacements, which only
# Trayhush.exe itself links.
th_layer(th_win32 platform/win32 LINKS th_windowing th_platform ${TH_SYSTEM_LIBS})
target_compile_definitions(th_win32 PUBLIC ${TH_WIN32_DEFINITIONS})
th_layer(th_runtime runtime LINKS th_win32 th_windowing)
th_layer(th_ui ui SUBFOLDERS main about tray LINKS th_runtime th_win32 th_windowing th_platform)
target_include_directories(th_ui PUBLIC resources)
th_layer(th_program program EXCLUDE EntryPoint.cpp LeanRuntime.cpp LINKS th_app th_ui th_runtime th_win32)
foreach(th_layer_target th_settings th_drives th_detect th_suppress th_tray th_about th_app th_win32 th_runtime th_ui
        th_program)
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
# demonstration, the benchmarks and the tests, and built only for them.
file(GLOB TH_HARNESS_SOURCES CONFIGURE_DEPENDS harness/*.cpp)
list(FILTER TH_HARNESS_SOURCES EXCLUDE REGEX "/th_inject\\.cpp$")
add_library(th_harness STATIC EXCLUDE_FROM_ALL ${TH_HARNESS_SOURCES})
target_include_directories(th_harness PUBLIC ${PROJECT_SOURCE_DIR} resources)
target_compile_definitions(th_harness PUBLIC ${TH_WIN32_DEFINITIONS})
target_compile_options(th_harness PRIVATE ${TH_WARNINGS})
target_link_libraries(th_harness PUBLIC user32 shell32 advapi32 psapi)

# th_notify_probe.dll is loaded into the running program by th_inject.exe (or by the
# driver itself) to raise the shell's media notification there, since Wine delivers those
# only inside the process that raises them. The program itself carries no test hook.
file(GLOB TH_NOTIFY_PROBE_SOURCES CONFIGURE_DEPENDS harness/notify_probe/*.cpp)
add_library(th_notify_probe SHARED EXCLUDE_FROM_ALL ${TH_NOTIFY_PROBE_SOURCES})
th_windows_program(th_notify_probe)
target_link_libraries(th_notify_probe PRIVATE shell32 user32)
set_target_properties(th_notify_probe PROPERTIES PREFIX "")

add_executable(th_inject EXCLUDE_FROM_ALL harness/th_inject.cpp harness/ErrorText.cpp harness/RemoteLibrary.cpp)
target_include_directories(th_inject PRIVATE ${PROJECT_SOURCE_DIR})
th_windows_program(th_inject)
target_link_options(th_inject PRIVATE -municode)
target_link_libraries(th_inject PRIVATE psapi)

# Small window-subsystem programs (under Wine a console program gets a console host that can
# outlive it and keep a test runner's output pipe open): a stand-in for a disc's autorun
# program, and what scripts/wine-env.sh keeps running for a whole session of tests.
add_executable(th_sleeper EXCLUDE_FROM_ALL harness/sleeper/Sleeper.cpp)
add_executable(th_session_keeper EXCLUDE_FROM_ALL harness/keeper/SessionKeeper.cpp)
foreach(th_helper th_sleeper th_session_keeper)
  th_windows_program(${th_helper})
  target_link_options(${th_helper} PRIVATE -municode -mwindows)
  target_link_libraries(${th_helper} PRIVATE user32 shell32)
endforeach()

if(TH_BUILD_TESTS)
  include(cmake/tests.cmake)
endif()
# The demonstration and the benchmarks are built by their own commands (scripts/demo.sh,
# bench/run.sh), not with everything.
include(cmake/demo.cmake)
include(cmake/bench.cmake)
