# UI styles and the built-in style table (portable: Windows and native builds).
add_library(tarnwick_styles STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ui_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/builtin_style_table.cpp
)
target_include_directories(tarnwick_styles PUBLIC ${CMAKE_SOURCE_DIR})
