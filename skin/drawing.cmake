# The drawing routines that every skinned component shares (Windows only).
if(WIN32)
  add_library(tarnwick_skin_drawing STATIC
    ${CMAKE_CURRENT_LIST_DIR}/strip_drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fill_drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_fitting.cpp
  )
  target_include_directories(tarnwick_skin_drawing PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tarnwick_skin_drawing PUBLIC tarnwick_toolkit_graphics)
endif()
