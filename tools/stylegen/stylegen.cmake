# The style picture generator as a library, shared by the stylegen program and by the
# test that checks the committed pictures against a fresh run.
if(NOT TARGET tarnwick_stylegen)
  add_library(tarnwick_stylegen STATIC
    ${CMAKE_CURRENT_LIST_DIR}/bmp_encoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/extra_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/face_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glyphs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_set.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shapes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/style_looks.cpp
  )
  target_include_directories(tarnwick_stylegen PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tarnwick_stylegen PUBLIC tarnwick_styles)
endif()
