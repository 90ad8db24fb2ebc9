# TsuiCheckBox under Wine: its face painted into bitmaps, its input through real window
# messages and the message loop, and its layout in a left-to-right and a right-to-left
# system locale.
set(CHECK_BOX_TEST_DIR ${CMAKE_CURRENT_LIST_DIR})
set(CHECK_BOX_TEST_LIBRARIES tarnwick_check_box tarnwick_skin_writer tarnwick_style_resources)

tarnwick_add_test(check_box_test WINDOWS_ONLY
  SOURCES ${CHECK_BOX_TEST_DIR}/check_box_layout_test.cpp ${CHECK_BOX_TEST_DIR}/check_box_paint_test.cpp
          ${CHECK_BOX_TEST_DIR}/check_box_input_test.cpp
  LIBRARIES ${CHECK_BOX_TEST_LIBRARIES})

if(WIN32)
  # The test bed runs every program under the Chinese locale; this one runs under an
  # Arabic one through a copy of its runner that differs in the locale alone.
  file(READ ${TESTBED_DIR}/wine-run CHECK_BOX_RUNNER)
  string(REPLACE "zh_CN.UTF-8" "ar_SA.UTF-8" CHECK_BOX_RTL_RUNNER "${CHECK_BOX_RUNNER}")
  if(CHECK_BOX_RTL_RUNNER STREQUAL CHECK_BOX_RUNNER)
    message(FATAL_ERROR "The test bed's runner names no zh_CN.UTF-8 locale to replace")
  endif()
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/wine-run-arabic "${CHECK_BOX_RTL_RUNNER}")

  add_executable(check_box_rtl_test ${CHECK_BOX_TEST_DIR}/check_box_layout_test.cpp)
  target_compile_definitions(check_box_rtl_test PRIVATE TARNWICK_TEST_RIGHT_TO_LEFT_LOCALE)
  target_include_directories(check_box_rtl_test PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(check_box_rtl_test PRIVATE ${CHECK_BOX_TEST_LIBRARIES} GTest::gtest_main)
  add_test(NAME win.check_box_rtl_test COMMAND sh ${CMAKE_CURRENT_BINARY_DIR}/wine-run-arabic
           $<TARGET_FILE:check_box_rtl_test>)
  set_tests_properties(win.check_box_rtl_test PROPERTIES FIXTURES_REQUIRED testbed TIMEOUT 600
                       RESOURCE_LOCK testbed.display)
endif()
