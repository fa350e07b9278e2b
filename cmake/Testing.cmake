# orvix_test(<name> SOURCES ... LIBS ...): one GoogleTest program, one CTest test.
# On the Windows side CTest runs it under Wine through the cross-compiling emulator.
function(orvix_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  orvix_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "ORVIX_SOURCE_DIR=${PROJECT_SOURCE_DIR};ORVIX_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()
