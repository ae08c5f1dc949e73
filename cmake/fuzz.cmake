# The fuzz target for the autorun.inf parse, the only input from outside the machine.
# Normally it is linked with a main that runs its corpus once, as the test fuzz_AutorunInf;
# with TH_LIBFUZZER (clang, set by scripts/fuzz.sh) it is linked with libFuzzer, and it and
# the code under test get AddressSanitizer and UndefinedBehaviorSanitizer.
option(TH_LIBFUZZER "Link the fuzz target with libFuzzer and the sanitizers (clang only)" OFF)
set(th_fuzz_dir ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz)
add_executable(fuzz_AutorunInf ${th_fuzz_dir}/AutorunInfFuzz.cpp)
target_link_libraries(fuzz_AutorunInf PRIVATE trayhush_fakes)
target_compile_options(fuzz_AutorunInf PRIVATE ${TH_WARNINGS})
if(TH_LIBFUZZER)
  set(th_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
  target_compile_options(th_suppress PRIVATE ${th_sanitizers} -fsanitize=fuzzer-no-link)
  target_compile_options(fuzz_AutorunInf PRIVATE ${th_sanitizers} -fsanitize=fuzzer)
  target_link_options(fuzz_AutorunInf PRIVATE ${th_sanitizers} -fsanitize=fuzzer)
else()
  target_sources(fuzz_AutorunInf PRIVATE ${th_fuzz_dir}/RegressionMain.cpp)
  add_test(NAME fuzz_AutorunInf COMMAND fuzz_AutorunInf ${th_fuzz_dir}/corpus/AutorunInf)
endif()
