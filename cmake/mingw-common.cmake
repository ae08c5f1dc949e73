# The tests need the -posix variants (GoogleTest uses std::mutex, which the win32 thread
# model lacks). A build without tests uses the win32 variant: the program has one thread,
# and leaving out the pthread emulation keeps it small.
if(TH_BUILD_TESTS STREQUAL "OFF")
  set(TH_THREAD_MODEL win32)
else()
  set(TH_THREAD_MODEL posix)
endif()
set(CMAKE_C_COMPILER ${TH_TRIPLE}-gcc-${TH_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${TH_TRIPLE}-g++-${TH_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${TH_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TH_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
get_filename_component(TH_REPO_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TH_REPO_ROOT}/scripts/wine-exec.sh)
