# The release: a zip with the program, and the installer made with NSIS. Both are built
# with the program, so that the test command checks them too. They carry a copy of the
# program without its debugging information.
set(RELEASE_BASENAME tarnwick-${PROJECT_VERSION})
set(RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
set(RELEASE_PROGRAM ${RELEASE_DIR}/program/tarnwick.exe)
set(RELEASE_ZIP ${RELEASE_DIR}/${RELEASE_BASENAME}.zip)
set(RELEASE_INSTALLER ${RELEASE_DIR}/${RELEASE_BASENAME}-setup.exe)
set(INSTALLER_SCRIPT ${CMAKE_SOURCE_DIR}/resources/installer/tarnwick.nsi)

find_program(MAKENSIS makensis REQUIRED)

add_custom_command(OUTPUT ${RELEASE_PROGRAM}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${RELEASE_DIR}/program
  COMMAND ${CMAKE_STRIP} --strip-debug -o ${RELEASE_PROGRAM} $<TARGET_FILE:tarnwick>
  DEPENDS tarnwick
  COMMENT "Copying tarnwick.exe without its debugging information")

add_custom_command(OUTPUT ${RELEASE_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${RELEASE_DIR}/program ${CMAKE_COMMAND} -E tar cf ${RELEASE_ZIP} --format=zip tarnwick.exe
  DEPENDS ${RELEASE_PROGRAM}
  COMMENT "Packing ${RELEASE_BASENAME}.zip")

add_custom_command(OUTPUT ${RELEASE_INSTALLER}
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DPROGRAM=${RELEASE_PROGRAM} -DOUTFILE=${RELEASE_INSTALLER}
          ${INSTALLER_SCRIPT}
  DEPENDS ${RELEASE_PROGRAM} ${INSTALLER_SCRIPT}
  COMMENT "Building the installer ${RELEASE_BASENAME}-setup.exe")

add_custom_target(release ALL DEPENDS ${RELEASE_ZIP} ${RELEASE_INSTALLER})
