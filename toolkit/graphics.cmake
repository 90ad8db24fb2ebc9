# Colours, fonts, pens and brushes, GDI handle owners, bitmaps over DIB sections, canvases,
# image lists, icons and pictures.
add_library(tarnwick_toolkit_graphics STATIC
  ${CMAKE_CURRENT_LIST_DIR}/color.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_handles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/brush.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture.cpp
)
target_include_directories(tarnwick_toolkit_graphics PUBLIC ${CMAKE_SOURCE_DIR})
# NOMINMAX: std::min and std::max must stay usable beside <windows.h>.
target_compile_definitions(tarnwick_toolkit_graphics PUBLIC NOMINMAX PRIVATE WIN32_LEAN_AND_MEAN STRICT)
target_link_libraries(tarnwick_toolkit_graphics PUBLIC gdi32 user32)
