# Components, published properties, stored form descriptions, controls, forms, menus,
# timers and the application object.
add_library(tarnwick_toolkit STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/component.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/published_properties.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/description_parser.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/description_reader.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/class_registry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/color_property.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/control.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/win_control.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/window_class.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/window_objects.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/icon_file.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/menu.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/timer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/utility_window.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/application.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/system_dialog_look.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/custom_control.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/panel.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/label.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/edit.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/push_button.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tool_bar.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/standard_classes.cpp
)
target_include_directories(tarnwick_toolkit PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(tarnwick_toolkit PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
target_link_libraries(tarnwick_toolkit PUBLIC user32 gdi32)
if(TARGET tarnwick_toolkit_graphics)
  target_link_libraries(tarnwick_toolkit PUBLIC tarnwick_toolkit_graphics)
endif()

# The demonstration form (docs/toolkit-demo.png is a picture of it).
add_executable(toolkit_demo WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/demo/demo_main.cpp ${CMAKE_CURRENT_SOURCE_DIR}/demo/demo.rc)
target_link_libraries(toolkit_demo PRIVATE tarnwick_toolkit)
