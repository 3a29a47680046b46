# Lexiquarium.chm, compiled by Free Pascal's chmcmd from the same help page as
# the Linux program's.
set(CHM_DIR ${CMAKE_CURRENT_BINARY_DIR}/chm)
set(HELP_FILE ${CHM_DIR}/Lexiquarium.chm)

find_program(CHMCMD chmcmd REQUIRED)
file(MAKE_DIRECTORY ${CHM_DIR})
# Its contents and index are made from the page's sections (help_contents.cmake).
# chmcmd reports success even when it writes nothing: the last step checks.
add_custom_command(
  OUTPUT ${HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${HELP_PAGE}
          ${CMAKE_CURRENT_SOURCE_DIR}/windows/Lexiquarium.hhp ${CHM_DIR}
  COMMAND ${CMAKE_COMMAND} -DPAGE=${HELP_PAGE} -DCONTENTS=Lexiquarium.hhc -DINDEX=Lexiquarium.hhk
          -P ${CMAKE_CURRENT_SOURCE_DIR}/windows/help_contents.cmake
  COMMAND ${CHMCMD} --verbosity 0 Lexiquarium.hhp >chmcmd.log
  COMMAND ${CMAKE_COMMAND} -E cat ${HELP_FILE} >/dev/null
  WORKING_DIRECTORY ${CHM_DIR}
  DEPENDS ${HELP_PAGE} ${CMAKE_CURRENT_SOURCE_DIR}/windows/Lexiquarium.hhp
          ${CMAKE_CURRENT_SOURCE_DIR}/windows/help_contents.cmake
  COMMENT "Compiling the help file Lexiquarium.chm")

