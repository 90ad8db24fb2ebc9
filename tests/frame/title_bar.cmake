# The title bar under Wine: real windows on a plain form, real messages, real pixels.
if(WIN32)
  enable_language(RC)
endif()
tarnwick_add_test(title_bar_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/title_bar_layout_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/title_bar_items_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/title_bar_window_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/title_bar_file_theme_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/title_bar_test_resources.rc
  LIBRARIES tarnwick_title_bar tarnwick_style_resources tarnwick_skin_writer tarnwick_test_windows)
