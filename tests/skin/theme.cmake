# Built-in bitmaps, style resolution, window-level drawing and file themes, under Wine.
# Skin files are written at test time with our skin file writer.
tarnwick_add_test(theme_builtin_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/builtin_bitmaps_test.cpp ${CMAKE_CURRENT_LIST_DIR}/style_resolution_test.cpp
  LIBRARIES tarnwick_skin_theme tarnwick_skin_writer tarnwick_style_resources)
tarnwick_add_test(theme_window_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/window_drawing_test.cpp ${CMAKE_CURRENT_LIST_DIR}/component_styling_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/form_state_test.cpp
  LIBRARIES tarnwick_skin_theme)
tarnwick_add_test(file_theme_test WINDOWS_ONLY SOURCES ${CMAKE_CURRENT_LIST_DIR}/file_theme_test.cpp
  LIBRARIES tarnwick_skin_theme tarnwick_skin_writer)
tarnwick_add_test(file_theme_keys_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/file_theme_keys_test.cpp
  LIBRARIES tarnwick_skin_theme_keys)
