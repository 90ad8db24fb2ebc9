# Built-in bitmaps, style resolution, window-level drawing, file themes (Windows only;
# the key tables are portable and built everywhere).
add_library(tarnwick_skin_theme_keys STATIC ${CMAKE_CURRENT_LIST_DIR}/file_theme_keys.cpp)
target_include_directories(tarnwick_skin_theme_keys PUBLIC ${CMAKE_SOURCE_DIR})

if(WIN32)
  add_library(tarnwick_skin_theme STATIC
    ${CMAKE_CURRENT_LIST_DIR}/builtin_bitmaps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/style_resolution.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_setup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/component_styling.cpp
    ${CMAKE_CURRENT_LIST_DIR}/theme_file_search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_theme_manager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_theme.cpp
  )
  target_include_directories(tarnwick_skin_theme PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tarnwick_skin_theme PUBLIC
    tarnwick_skin_drawing tarnwick_styles tarnwick_skin_reader tarnwick_skin_theme_keys tarnwick_toolkit)
endif()

# The style and controls galleries are Windows programs; the top-level tools folder builds native ones.
if(WIN32)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/gallery ${CMAKE_BINARY_DIR}/tools/gallery)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/controlgallery ${CMAKE_BINARY_DIR}/tools/controlgallery)
endif()
