# TsuiCustomButton and TsuiButton: the skinned push button.
add_library(tarnwick_button STATIC
  ${CMAKE_CURRENT_LIST_DIR}/custom_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/custom_button_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glyph_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button.cpp
)
target_include_directories(tarnwick_button PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tarnwick_button PUBLIC tarnwick_skin_theme tarnwick_toolkit)
