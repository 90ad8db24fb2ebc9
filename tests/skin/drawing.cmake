tarnwick_add_test(drawing_test WINDOWS_ONLY SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawing_test.cpp
  LIBRARIES tarnwick_skin_drawing)
