# Skin files: DEFLATE decoder, archive extraction, inner format and reader. Fixtures are
# written at test time with our skin file writer.
find_package(ZLIB QUIET)
tarnwick_add_test(inflate_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/inflate_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/huffman_tree_test.cpp LIBRARIES tarnwick_skin_reader)
tarnwick_add_test(skin_file_reader_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_archive_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_file_reader_test.cpp ${CMAKE_CURRENT_LIST_DIR}/bmp_validation_test.cpp
  LIBRARIES tarnwick_skin_writer)
if(ZLIB_FOUND AND NOT WIN32)
  # zlib serves as the reference encoder where the build has it (not in the Windows one).
  foreach(test inflate_test skin_file_reader_test)
    target_compile_definitions(${test} PRIVATE TARNWICK_TEST_WITH_ZLIB)
    target_link_libraries(${test} PRIVATE ZLIB::ZLIB)
  endforeach()
endif()

# skintool is a native Linux tool; its test runs it as a user would.
if(NOT WIN32)
  tarnwick_add_test(skintool_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/skintool_test.cpp LIBRARIES tarnwick_skin_writer)
  target_compile_definitions(skintool_test PRIVATE TARNWICK_SKINTOOL="$<TARGET_FILE:skintool>")
  add_dependencies(skintool_test skintool)
endif()
