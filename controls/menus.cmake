# The owner-drawn main and pop-up menus.
add_library(tarnwick_menus STATIC
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu_item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popup_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_classes.cpp
)
target_include_directories(tarnwick_menus PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tarnwick_menus PUBLIC tarnwick_skin_theme tarnwick_toolkit)
