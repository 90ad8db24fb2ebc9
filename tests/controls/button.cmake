# The skinned push button under Wine: what it paints, and how it answers mouse and keys.
tarnwick_add_test(button_paint_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/button_paint_test.cpp
  LIBRARIES tarnwick_button tarnwick_skin_writer tarnwick_style_resources)
tarnwick_add_test(button_input_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/button_input_test.cpp ${CMAKE_CURRENT_LIST_DIR}/button_creation_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/glyph_layout_test.cpp
  LIBRARIES tarnwick_button tarnwick_style_resources)
