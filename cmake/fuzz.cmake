# Fuzz targets for the code that takes outside data: each tests/fuzz/<Name>Fuzz.cpp defines
# LLVMFuzzerTestOneInput, seeded from tests/fuzz/corpus/<Name>/.
#
# Normally each target is linked with a small main that runs its corpus once, and that
# run is the test fuzz_<Name>. With TH_LIBFUZZER (clang; scripts/fuzz.sh sets it) the
# targets are linked with libFuzzer instead, and they and the code under test are built
# with AddressSanitizer and UndefinedBehaviorSanitizer.
option(TH_LIBFUZZER "Link the fuzz targets with libFuzzer and the sanitizers (clang only)" OFF)

set(th_fuzz_dir ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz)
file(GLOB th_fuzz_sources CONFIGURE_DEPENDS ${th_fuzz_dir}/*Fuzz.cpp)

if(TH_LIBFUZZER)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TH_LIBFUZZER needs clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  set(th_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
  # The code under test gets the sanitizers and the coverage feedback that guides the fuzzer.
  foreach(library trayhush_logic trayhush_fakes)
    target_compile_options(${library} PRIVATE ${th_sanitizers} -fsanitize=fuzzer-no-link)
  endforeach()
endif()

foreach(source IN LISTS th_fuzz_sources)
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "Fuzz$" "" name ${name})
  add_executable(fuzz_${name} ${source})
  target_link_libraries(fuzz_${name} PRIVATE trayhush_fakes)
  target_compile_options(fuzz_${name} PRIVATE ${TH_WARNINGS})
  if(TH_LIBFUZZER)
    target_compile_options(fuzz_${name} PRIVATE ${th_sanitizers} -fsanitize=fuzzer)
    target_link_options(fuzz_${name} PRIVATE ${th_sanitizers} -fsanitize=fuzzer)
  else()
    target_sources(fuzz_${name} PRIVATE ${th_fuzz_dir}/RegressionMain.cpp)
    add_test(NAME fuzz_${name} COMMAND fuzz_${name} ${th_fuzz_dir}/corpus/${name})
  endif()
endforeach()
