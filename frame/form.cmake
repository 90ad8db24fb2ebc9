# The skinned form: the host window's frame, region and window hook, and its menu bar.
add_library(tarnwick_form STATIC
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_window_hook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_frame_painting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_client_painting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_menu_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_classes.cpp
)
target_include_directories(tarnwick_form PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tarnwick_form PUBLIC tarnwick_title_bar tarnwick_menus tarnwick_skin_theme tarnwick_toolkit)

# The frame demo is a Windows program; the top-level tools folder builds native ones.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/framedemo ${CMAKE_BINARY_DIR}/tools/framedemo)
