# TsuiEdit under Wine: its border read from the screen, typing into the system control.
tarnwick_add_test(edit_test WINDOWS_ONLY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/edit_test.cpp
  LIBRARIES tarnwick_edit tarnwick_skin_writer)
