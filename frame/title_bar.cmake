# The skinned title bar: sections, buttons, painting, mouse and its window menu.
add_library(tarnwick_title_bar STATIC
  ${CMAKE_CURRENT_LIST_DIR}/title_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_bar_painting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_bar_mouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_bar_sections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_bar_buttons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_bar_popup_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_bar_classes.cpp
)
target_include_directories(tarnwick_title_bar PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tarnwick_title_bar PUBLIC tarnwick_skin_theme tarnwick_toolkit tarnwick_menus)
