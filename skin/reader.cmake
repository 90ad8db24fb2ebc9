# Skin files: the "SK" archive, our DEFLATE decoder, the inner entry format and the reader.
add_library(tarnwick_skin_reader STATIC
  ${CMAKE_CURRENT_LIST_DIR}/huffman_tree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inflate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_handle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pkware_cipher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_validation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_data_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_file_reader.cpp
)
if(WIN32)
  target_sources(tarnwick_skin_reader PRIVATE ${CMAKE_CURRENT_LIST_DIR}/temp_file_name_windows.cpp)
  target_link_libraries(tarnwick_skin_reader PUBLIC tarnwick_ole32_delayed)
else()
  target_sources(tarnwick_skin_reader PRIVATE ${CMAKE_CURRENT_LIST_DIR}/temp_file_name_posix.cpp)
endif()
target_include_directories(tarnwick_skin_reader PUBLIC ${CMAKE_SOURCE_DIR})

# The writer side, for skintool, the tests' fixtures and the fuzz seeds; not in the program.
add_library(tarnwick_skin_writer STATIC ${CMAKE_CURRENT_LIST_DIR}/skin_file_writer.cpp)
target_link_libraries(tarnwick_skin_writer PUBLIC tarnwick_skin_reader)
