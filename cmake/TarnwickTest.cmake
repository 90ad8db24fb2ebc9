# tarnwick_add_test(NAME SOURCES file... [LIBRARIES lib...] [WINDOWS_ONLY])
# One test program is one ctest test. On Windows builds it runs under Wine in the test
# bed (own prefix, own X display, one persistent wineserver).
if(WIN32)
  set(TESTBED_DIR ${CMAKE_BINARY_DIR}/testbed)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/testbed/wine-run.in ${TESTBED_DIR}/wine-run @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TESTBED_DIR}/wine-run)
  add_test(NAME testbed.start COMMAND ${CMAKE_SOURCE_DIR}/cmake/testbed/testbed-start ${TESTBED_DIR})
  add_test(NAME testbed.stop COMMAND ${CMAKE_SOURCE_DIR}/cmake/testbed/testbed-stop ${TESTBED_DIR})
  # Bounded, so that a Wine start that goes wrong fails the run instead of holding it.
  set_tests_properties(testbed.start PROPERTIES FIXTURES_SETUP testbed TIMEOUT 400)
  set_tests_properties(testbed.stop PROPERTIES FIXTURES_CLEANUP testbed)
endif()

function(tarnwick_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WINDOWS_ONLY" "" "SOURCES;LIBRARIES")
  if(arg_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  # The prefix tells the two builds' runs of the same test apart in one ctest summary.
  if(WIN32)
    add_test(NAME win.${name} COMMAND ${name})
    # The test bed has one display, hence one foreground window and one keyboard focus: a
    # test that shows a window takes them from another that is typing or clicking. Windows
    # tests therefore run one at a time, beside the host tests.
    set_tests_properties(win.${name} PROPERTIES FIXTURES_REQUIRED testbed TIMEOUT 600 RESOURCE_LOCK testbed.display)
  else()
    add_test(NAME host.${name} COMMAND ${name})
    set_tests_properties(host.${name} PROPERTIES TIMEOUT 600)
  endif()
endfunction()
