# Writes a form description with its pictures in it: every "{@folder/NAME.bmp@}" of INPUT
# becomes the file's bytes as the description's hexadecimal data, "{ 424D... }".
#   cmake -DINPUT=Form1.dfm.in -DOUTPUT=Form1.dfm -DPICTURES=dir -P embed_pictures.cmake
file(READ ${INPUT} text)
string(REGEX MATCHALL "{@[^@]+@}" references "${text}")
list(REMOVE_DUPLICATES references)
foreach(reference IN LISTS references)
  string(REGEX REPLACE "^{@(.+)@}$" "\\1" relative "${reference}")
  if(NOT EXISTS ${PICTURES}/${relative})
    message(FATAL_ERROR "${INPUT}: no picture ${PICTURES}/${relative}")
  endif()
  file(READ ${PICTURES}/${relative} bytes HEX)
  string(TOUPPER "${bytes}" bytes)
  string(REPLACE "${reference}" "{ ${bytes} }" text "${text}")
endforeach()
file(WRITE ${OUTPUT} "${text}")
