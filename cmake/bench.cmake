# Benchmarks under Wine, built and run by bench/run.sh (never by ctest): they print medians
# and ratios and assert nothing.

# What one process scan costs as the process table grows, and one polling pass.
add_executable(bench_process_scan EXCLUDE_FROM_ALL bench/ProcessScanBench.cpp)
target_link_libraries(bench_process_scan PRIVATE th_win32 th_app th_harness)
add_dependencies(bench_process_scan th_sleeper)
add_executable(bench_polling EXCLUDE_FROM_ALL bench/PollingBench.cpp)
target_link_libraries(bench_polling PRIVATE th_runtime th_detect th_harness)

# A program that only adds a tray icon, the yardstick for start-up time and memory, built
# with the same flags as Trayhush.exe.
add_executable(th_minimal_tray WIN32 EXCLUDE_FROM_ALL bench/MinimalTray.cpp)
target_link_options(th_minimal_tray PRIVATE -s -Wl,--gc-sections)
target_link_libraries(th_minimal_tray PRIVATE user32 shell32)

# Nothing but polling's volume queries, for the floor under its cost.
add_executable(bench_volume_floor WIN32 EXCLUDE_FROM_ALL bench/VolumeFloor.cpp)

# The real Trayhush.exe measured from outside, against the minimal program.
file(GLOB TH_BENCH_E2E_SOURCES CONFIGURE_DEPENDS bench/endtoend/*.cpp)
add_executable(bench_end_to_end EXCLUDE_FROM_ALL ${TH_BENCH_E2E_SOURCES})
target_include_directories(bench_end_to_end PRIVATE resources)
target_link_libraries(bench_end_to_end PRIVATE th_harness)
add_dependencies(bench_end_to_end Trayhush th_notify_probe th_sleeper th_minimal_tray bench_volume_floor)

# The soak: the program's own Win32App, in bench_soak.exe itself, handles a disc a thousand
# times and scans for its program ten thousand times, and prints its handles, windows and
# private memory before and after.
file(GLOB TH_BENCH_SOAK_SOURCES CONFIGURE_DEPENDS bench/soak/*.cpp)
add_executable(bench_soak EXCLUDE_FROM_ALL ${TH_BENCH_SOAK_SOURCES} resources/Trayhush.rc)
target_include_directories(bench_soak PRIVATE resources)
target_link_libraries(bench_soak PRIVATE th_program th_harness)
add_dependencies(bench_soak th_sleeper)

foreach(th_bench bench_process_scan bench_polling th_minimal_tray bench_volume_floor bench_end_to_end bench_soak)
  th_windows_program(${th_bench})
  target_link_options(${th_bench} PRIVATE -municode)
endforeach()
