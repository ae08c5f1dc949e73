# ---- Benchmarks of the whole program under Wine, run by bench/run.sh (never by ctest) ----
# A program that only adds a tray icon, the yardstick for start-up time and memory, built
# with the same flags as Trayhush.exe.
add_executable(th_minimal_tray WIN32 bench/MinimalTray.cpp)
th_windows_program(th_minimal_tray)
target_link_options(th_minimal_tray PRIVATE -municode -s -Wl,--gc-sections)
target_link_libraries(th_minimal_tray PRIVATE user32 shell32)

file(GLOB TH_BENCH_E2E_SOURCES CONFIGURE_DEPENDS bench/endtoend/*.cpp)
add_executable(bench_end_to_end ${TH_BENCH_E2E_SOURCES})
target_include_directories(bench_end_to_end PRIVATE resources)
th_windows_program(bench_end_to_end)
target_link_options(bench_end_to_end PRIVATE -municode)
target_link_libraries(bench_end_to_end PRIVATE th_harness)
add_dependencies(bench_end_to_end Trayhush th_notify_probe th_sleeper th_minimal_tray bench_volume_floor)

# The soak: the program's own Win32App, in bench_soak.exe itself, handles a disc a thousand
# times and scans for its program ten thousand times, and prints its handles, windows and
# private memory before and after.
file(GLOB TH_BENCH_SOAK_SOURCES CONFIGURE_DEPENDS bench/soak/*.cpp)
add_executable(bench_soak ${TH_BENCH_SOAK_SOURCES} resources/Trayhush.rc)
target_include_directories(bench_soak PRIVATE resources)
th_windows_program(bench_soak)
target_link_options(bench_soak PRIVATE -municode)
target_link_libraries(bench_soak PRIVATE th_program th_harness)
add_dependencies(bench_soak th_sleeper)

# Nothing but polling's volume queries, for the floor under its cost.
add_executable(bench_volume_floor WIN32 bench/VolumeFloor.cpp)
th_windows_program(bench_volume_floor)
target_link_options(bench_volume_floor PRIVATE -municode)
# ---- end of the whole-program benchmarks ----
