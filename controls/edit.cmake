# TsuiEdit: the skinned edit box.
add_library(tarnwick_edit STATIC ${CMAKE_CURRENT_LIST_DIR}/edit.cpp)
target_include_directories(tarnwick_edit PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tarnwick_edit PUBLIC tarnwick_skin_theme tarnwick_toolkit)
