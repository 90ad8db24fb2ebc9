# The owner-drawn main and pop-up menus: measuring, drawing, style properties, hooks and
# a real pop-up menu.
tarnwick_add_test(menus_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu_measure_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu_draw_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_menus_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popup_menu_system_test.cpp
  LIBRARIES tarnwick_menus tarnwick_skin_writer tarnwick_style_resources)
