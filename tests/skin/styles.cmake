# UI styles, the built-in style table and the committed style pictures.
include(${CMAKE_SOURCE_DIR}/tools/stylegen/stylegen.cmake)

tarnwick_add_test(builtin_style_table_test SOURCES builtin_style_table_test.cpp LIBRARIES tarnwick_styles)

tarnwick_add_test(style_pictures_test SOURCES style_pictures_test.cpp LIBRARIES tarnwick_stylegen)
if(WIN32)
  # Under Wine the repository is reached through drive Z:.
  target_compile_definitions(style_pictures_test PRIVATE TARNWICK_RESOURCES_DIR="Z:${CMAKE_SOURCE_DIR}/resources")
else()
  target_compile_definitions(style_pictures_test PRIVATE TARNWICK_RESOURCES_DIR="${CMAKE_SOURCE_DIR}/resources")
endif()

tarnwick_add_test(style_resources_test WINDOWS_ONLY SOURCES style_resources_test.cpp
  LIBRARIES tarnwick_styles tarnwick_style_resources)
