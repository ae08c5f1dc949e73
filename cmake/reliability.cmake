# ---- Reliability: the crash guard's helper ----
# Holds Shift through the program's keyboard layer, or leaves it alone, under the crash
# guard, and dies as the test tells it (tests/win32/CrashGuardWin32Test.cpp).
add_executable(th_crash_holding_shift tests/win32/helpers/crash_holding_shift.cpp)
th_windows_program(th_crash_holding_shift)
target_link_options(th_crash_holding_shift PRIVATE -municode -mwindows)
target_link_libraries(th_crash_holding_shift PRIVATE th_win32)
add_dependencies(win32_tests th_crash_holding_shift)
# ---- end of the reliability block ----
