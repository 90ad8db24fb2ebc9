# TsuiCheckBox: the skinned check box.
add_library(tarnwick_check_box STATIC
  ${CMAKE_CURRENT_LIST_DIR}/check_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_box_paint.cpp
)
target_include_directories(tarnwick_check_box PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tarnwick_check_box PUBLIC tarnwick_skin_theme tarnwick_toolkit)
