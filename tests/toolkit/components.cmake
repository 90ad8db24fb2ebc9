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
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(message_box_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/message_box_test.cpp
  LIBRARIES tarnwick_toolkit)
tarnwick_add_test(menu_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/menu_test.cpp
  LIBRARIES tarnwick_toolkit)
