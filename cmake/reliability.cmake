# ---- Reliability: the soak run and the crash guard's helper ----

# The soak: the program's own Win32App, in th_soak.exe itself, handles a disc a thousand
# times and scans for its program ten thousand times; its handles, windows and private
# memory must not grow. ctest -R soak prints the figures.
file(GLOB TH_SOAK_SOURCES CONFIGURE_DEPENDS tests/soak/*.cpp)
add_executable(th_soak ${TH_SOAK_SOURCES} resources/Trayhush.rc
               tests/e2e/support/ArtifactPaths.cpp tests/e2e/support/DiscFolder.cpp
               tests/win32/ChildProcess.cpp)
target_include_directories(th_soak PRIVATE tests resources)
th_windows_program(th_soak)
target_link_libraries(th_soak PRIVATE trayhush_platform th_harness GTest::gtest_main)
add_dependencies(th_soak th_sleeper)
add_test(NAME soak COMMAND th_soak)
# It is the program, with the single-instance claim and the machine-wide settings: nothing
# else may run beside it.
set_tests_properties(soak PROPERTIES RUN_SERIAL TRUE TIMEOUT 300 LABELS soak
  ENVIRONMENT "TH_SLEEPER=$<TARGET_FILE:th_sleeper>")

# Holds Shift through the program's keyboard layer, or leaves it alone, under the crash
# guard, and dies as the test tells it (tests/win32/CrashGuardWin32Test.cpp).
add_executable(th_crash_holding_shift tests/win32/helpers/crash_holding_shift.cpp)
th_windows_program(th_crash_holding_shift)
target_link_options(th_crash_holding_shift PRIVATE -municode -mwindows)
target_link_libraries(th_crash_holding_shift PRIVATE trayhush_platform)
add_dependencies(win32_tests th_crash_holding_shift)
# ---- end of the reliability block ----
