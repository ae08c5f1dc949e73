# The Win32 layer, the program, and the tests that run under Wine.

set(TH_WIN32_DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(TH_SYSTEM_LIBS user32 gdi32 shell32 ole32 advapi32 comctl32 psapi version)
# Small and self-contained: no MinGW DLL beside the program.
set(TH_STATIC_LINK -static -static-libgcc -static-libstdc++)

target_compile_options(trayhush_logic PRIVATE -ffunction-sections -fdata-sections)

file(GLOB TH_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
list(FILTER TH_PLATFORM_SOURCES EXCLUDE REGEX "/EntryPoint\\.cpp$")
add_library(trayhush_platform STATIC ${TH_PLATFORM_SOURCES})
target_include_directories(trayhush_platform PUBLIC src resources)
target_compile_definitions(trayhush_platform PUBLIC ${TH_WIN32_DEFINITIONS})
target_compile_options(trayhush_platform PRIVATE ${TH_WARNINGS} -ffunction-sections -fdata-sections)
target_link_libraries(trayhush_platform PUBLIC trayhush_logic ${TH_SYSTEM_LIBS})

add_executable(Trayhush WIN32 src/platform/win32/EntryPoint.cpp resources/Trayhush.rc)
target_compile_options(Trayhush PRIVATE ${TH_WARNINGS})
target_link_options(Trayhush PRIVATE -municode ${TH_STATIC_LINK} -s -Wl,--gc-sections)
target_link_libraries(Trayhush PRIVATE trayhush_platform)
set_target_properties(Trayhush PROPERTIES OUTPUT_NAME Trayhush RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(NOT TH_BUILD_TESTS)
  return()
endif()

file(GLOB TH_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp tests/win32/support/*.cpp
     tests/support/*.cpp)
add_executable(win32_tests ${TH_WIN32_TEST_SOURCES})
target_include_directories(win32_tests PRIVATE tests)
target_compile_options(win32_tests PRIVATE ${TH_WARNINGS})
target_link_options(win32_tests PRIVATE ${TH_STATIC_LINK})
target_link_libraries(win32_tests PRIVATE trayhush_platform trayhush_fakes GTest::gtest_main)
add_dependencies(win32_tests Trayhush)
add_test(NAME win32_tests COMMAND win32_tests)
set_tests_properties(win32_tests PROPERTIES ENVIRONMENT "TH_EXE=$<TARGET_FILE:Trayhush>")
