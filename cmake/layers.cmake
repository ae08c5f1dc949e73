# The program's layers, one library per folder of src/, each linking only the layers below
# it. A layer's headers are reachable only through its own include root, a folder in the
# build tree that holds nothing but links to the layer's files: a file can include another
# layer's header only if its target links that layer, so an include against the order does
# not compile.

set(TH_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)

# th_layer(<target> <folder under src> [SUBFOLDERS <name>...] [EXCLUDE <file>...] [LINKS <target>...])
# The folder's own headers are linked one by one (its subfolders are layers of their own
# unless named in SUBFOLDERS); its .cpp files but the EXCLUDEd ones make a static library.
function(th_layer target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "LINKS;SUBFOLDERS;EXCLUDE")
  set(root ${TH_LAYER_ROOTS}/${target})
  set(source ${PROJECT_SOURCE_DIR}/src/${folder})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  file(GLOB headers CONFIGURE_DEPENDS ${source}/*.h)
  foreach(header ${headers})
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  set(sources)
  file(GLOB sources CONFIGURE_DEPENDS ${source}/*.cpp)
  foreach(sub ${arg_SUBFOLDERS})
    file(CREATE_LINK ${source}/${sub} ${root}/${folder}/${sub} SYMBOLIC)
    file(GLOB sub_sources CONFIGURE_DEPENDS ${source}/${sub}/*.cpp)
    list(APPEND sources ${sub_sources})
  endforeach()
  foreach(excluded ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${source}/${excluded})
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${root})
    target_compile_options(${target} PRIVATE ${TH_WARNINGS})
    target_link_libraries(${target} PUBLIC ${arg_LINKS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${root})
    target_link_libraries(${target} INTERFACE ${arg_LINKS})
  endif()
endfunction()

# The decision logic: no Windows header anywhere, so all of it builds and is tested natively.
# The subsystems that the termination window's tick reaches (settings, drives, suppress) see
# only the operating system's interfaces, never a window-facing one.
th_layer(th_platform platform)
th_layer(th_windowing platform/windowing LINKS th_platform)
th_layer(th_settings settings LINKS th_platform)
th_layer(th_drives drives LINKS th_platform)
th_layer(th_detect detect LINKS th_windowing th_platform)
th_layer(th_suppress suppress LINKS th_settings th_platform)
th_layer(th_tray tray LINKS th_windowing th_platform)
th_layer(th_about about LINKS th_windowing th_platform)
th_layer(th_app app SUBFOLDERS controls
         LINKS th_settings th_drives th_detect th_suppress th_tray th_about th_windowing th_platform)
