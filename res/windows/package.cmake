# The zip and the installer. The program reads its list from the current
# directory, so the programs, the list, the help file and the notices all go
# into one folder: unpacked, a double-click starts the program there, and the
# installer's shortcut starts it there too.
install(TARGETS lexiquarium lexiquarium-find RUNTIME DESTINATION ${LEXI_PROGRAM_INSTALL_DIR})
install(FILES ${WORD_LIST} ${COMMON_WORDS} ${HELP_FILE} DESTINATION ${LEXI_DATA_INSTALL_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md DESTINATION . RENAME word-list-README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The licence page: the program's licence, then the word list's, whose notices
# must travel with it, as plain text (licence_page.py).
set(licence_sources ${CMAKE_CURRENT_SOURCE_DIR}/windows/licence_page.py ${PROJECT_SOURCE_DIR}/LICENSE
    ${PROJECT_SOURCE_DIR}/data/README.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${licence_sources})
set(LICENCE_PAGE ${CMAKE_CURRENT_BINARY_DIR}/licence-page.txt)
execute_process(COMMAND ${PYTHON3} ${licence_sources} ${LICENCE_PAGE} COMMAND_ERROR_IS_FATAL ANY)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Lexiquarium)
set(CPACK_PACKAGE_VENDOR "The Lexiquarium developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Word finder by wildcard pattern or by sound")
set(CPACK_PACKAGE_FILE_NAME Lexiquarium-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lexiquarium)
set(CPACK_RESOURCE_FILE_LICENSE ${LICENCE_PAGE})
# A 64-bit installer for the 64-bit programs: the 32-bit default would need
# the 32-bit Windows layer to run, and would see the 32-bit registry view.
# CPack has no setting for it; this variable is a line of the script's header.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME Lexiquarium)
set(CPACK_NSIS_PACKAGE_NAME Lexiquarium)
set(CPACK_NSIS_MUI_ICON ${LEXI_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${LEXI_WINDOWS_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME lexiquarium.exe)
# The installer's script is our own (installer/NSIS.template.in): CPack's asks
# for an administrator always and offers no install for the current user.
set(CPACK_LEXI_HELP_NAME ${HELP_NAME})
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer)
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
