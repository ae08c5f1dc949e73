# The demonstration, run by scripts/demo.sh under Wine: the disc's own autorun program and a
# stand-in for the user's DVD player, both tiny windowed programs, and the driver that plays
# the scene and prints its timeline.
foreach(th_demo_program demoauto demoplayer)
  add_executable(${th_demo_program} WIN32 EXCLUDE_FROM_ALL demo/${th_demo_program}.cpp demo/DemoWindow.cpp)
  th_windows_program(${th_demo_program})
  target_link_options(${th_demo_program} PRIVATE -municode)
  target_link_libraries(${th_demo_program} PRIVATE user32 gdi32)
endforeach()

file(GLOB TH_DEMO_SOURCES CONFIGURE_DEPENDS demo/driver/*.cpp)
add_executable(th_demo EXCLUDE_FROM_ALL ${TH_DEMO_SOURCES})
target_include_directories(th_demo PRIVATE resources)
th_windows_program(th_demo)
target_link_options(th_demo PRIVATE -municode)
target_link_libraries(th_demo PRIVATE th_harness)
add_dependencies(th_demo Trayhush th_notify_probe demoauto demoplayer)
