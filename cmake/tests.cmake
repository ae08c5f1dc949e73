# The tests that run under Wine (ctest runs them through scripts/wine-exec.sh).

# The real Win32 calls, the program's windows and the whole program in one process.
file(GLOB TH_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp tests/win32/*.rc)
add_executable(win32_tests ${TH_WIN32_TEST_SOURCES})
target_include_directories(win32_tests PRIVATE tests)
th_windows_program(win32_tests)
target_link_libraries(win32_tests PRIVATE th_program th_harness GTest::gtest_main)
# One unoptimised translation unit: the tests share the weight of windows.h and GoogleTest.
target_compile_options(win32_tests PRIVATE -O0)
set_target_properties(win32_tests PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
add_test(NAME win32_tests COMMAND win32_tests)

add_dependencies(win32_tests th_sleeper th_session_keeper)

# End to end: the real Trayhush.exe driven from outside.
file(GLOB TH_E2E_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
add_executable(th_e2e ${TH_E2E_SOURCES})
th_windows_program(th_e2e)
target_link_libraries(th_e2e PRIVATE th_harness GTest::gtest_main)
target_compile_options(th_e2e PRIVATE -O0)
add_dependencies(th_e2e Trayhush th_notify_probe th_inject th_sleeper th_session_keeper)
add_test(NAME e2e COMMAND th_e2e)
# One Trayhush per session and machine-wide settings: nothing else may run beside it.
set_tests_properties(e2e PROPERTIES RUN_SERIAL TRUE ENVIRONMENT
  "TH_EXE=$<TARGET_FILE:Trayhush>;TH_NOTIFY_PROBE=$<TARGET_FILE:th_notify_probe>;TH_SLEEPER=$<TARGET_FILE:th_sleeper>")

# Wine ends a program that overflows its stack with exit code 0: a Windows test passes only
# when GoogleTest got to its summary and reported no failure.
set_tests_properties(win32_tests e2e PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
  FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
