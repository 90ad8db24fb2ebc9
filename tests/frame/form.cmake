# The skinned form and its menu bar under Wine: real windows, real messages, real pixels.
# Skin files are written at test time with our skin file writer.
tarnwick_add_test(skinned_form_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/form_frame_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/form_window_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/form_theme_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/form_description_test.cpp
  LIBRARIES tarnwick_form tarnwick_skin_writer tarnwick_style_resources tarnwick_test_windows)
tarnwick_add_test(skinned_form_menu_bar_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/form_menu_bar_test.cpp
  LIBRARIES tarnwick_form tarnwick_style_resources)
tarnwick_add_test(skinned_form_mdi_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/form_mdi_test.cpp
  LIBRARIES tarnwick_form tarnwick_style_resources)
