tarnwick_add_test(component_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/component_test.cpp
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(description_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/description_parser_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/description_reader_test.cpp
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(timer_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/timer_test.cpp
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(form_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/form_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form_client_size_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/window_procedure_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form_icon_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/form_test_resources.rc
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(message_box_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/message_box_test.cpp
  LIBRARIES tarnwick_toolkit tarnwick_test_windows)
tarnwick_add_test(menu_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/menu_test.cpp
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(component_text_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/components_text_test.cpp
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(mdi_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/mdi_test.cpp
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(tool_bar_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/tool_bar_test.cpp
  LIBRARIES tarnwick_toolkit)
