# The installer test: builds the 64-bit installer from this build's Trayhush.exe the way
# scripts/release.sh does, installs and uninstalls it under Wine (ctest name "install").
# The release itself is made by scripts/release.sh, outside ctest.
if(TH_BUILD_TESTS AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  find_program(TH_MAKENSIS makensis)
  find_program(TH_ZIP zip)
  if(TH_MAKENSIS AND TH_ZIP)
    add_test(NAME install COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-exec.sh
             ${PROJECT_SOURCE_DIR}/tests/release/install-test.sh $<TARGET_FILE:Trayhush> ${PROJECT_VERSION})
    # It starts the one Trayhush a session may run, and writes machine-wide settings.
    set_tests_properties(install PROPERTIES RUN_SERIAL TRUE TIMEOUT 300)
  else()
    message(STATUS "makensis or zip not found: the installer test is left out")
  endif()
endif()
