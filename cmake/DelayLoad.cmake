# System DLLs that the program only needs for rare commands are delay-loaded: each is
# loaded the first time one of its functions is called instead of when the program
# starts, where every DLL (and the DLLs it pulls in) adds to the time before the window
# shows. The delay-import library is made at configure time from the toolchain's own
# import library, so it offers exactly the functions the ordinary one does.
#
#   tarnwick_delay_loaded_library(tarnwick_shell32_delayed shell32)
#   target_link_libraries(app PRIVATE tarnwick_shell32_delayed)

find_program(TARNWICK_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)

function(tarnwick_delay_loaded_library name dll)
  find_library(import_library_${dll} NAMES lib${dll}.a REQUIRED NO_CACHE)
  set(import_library ${import_library_${dll}})
  set(directory ${CMAKE_BINARY_DIR}/delay-load)
  set(definitions ${directory}/${dll}.def)
  set(delay_library ${directory}/lib${dll}-delayed.a)
  file(MAKE_DIRECTORY ${directory})

  execute_process(COMMAND ${CMAKE_NM} ${import_library} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  # Each function of an import library shows as its import-table slot, "I __imp_Name".
  string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@]+" slots "${symbols}")
  list(TRANSFORM slots REPLACE " I __imp_" "")
  list(REMOVE_DUPLICATES slots)
  list(SORT slots)
  if(NOT slots)
    message(FATAL_ERROR "${import_library} lists no functions")
  endif()
  list(JOIN slots "\n" exports)
  file(WRITE ${definitions} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
  execute_process(COMMAND ${TARNWICK_DLLTOOL} --input-def ${definitions} --dllname ${dll}.dll
                          --output-delaylib ${delay_library}
                  COMMAND_ERROR_IS_FATAL ANY)

  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE ${delay_library})
endfunction()
