# The BMP codec is portable: it runs natively under the sanitizers as well as under Wine.
tarnwick_add_test(bmp_file_test SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/bmp_file_test.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/bmp_file.cpp)

if(WIN32)
  enable_language(RC)
endif()
tarnwick_add_test(graphics_bitmap_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/graphics_bitmap_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/graphics_test_resources.rc
  LIBRARIES tarnwick_toolkit_graphics)
tarnwick_add_test(graphics_canvas_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/graphics_canvas_test.cpp
  LIBRARIES tarnwick_toolkit_graphics)
tarnwick_add_test(graphics_handles_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/graphics_handles_test.cpp
  LIBRARIES tarnwick_toolkit_graphics)
tarnwick_add_test(image_list_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/image_list_test.cpp
  LIBRARIES tarnwick_toolkit_graphics)
tarnwick_add_test(graphics_font_test WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/graphics_font_test.cpp
  LIBRARIES tarnwick_toolkit_graphics)
