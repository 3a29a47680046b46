# The zip and the installer. The program reads its list from the current
# directory, so the programs, the list, the help file and the notices all go
# into one folder: unpacked, a double-click starts the program there, and the
# installer's shortcut starts it there too.
install(TARGETS lexiquarium lexiquarium-find RUNTIME DESTINATION ${LEXI_PROGRAM_INSTALL_DIR})
install(FILES ${WORD_LIST} ${COMMON_WORDS} ${HELP_FILE} DESTINATION ${LEXI_DATA_INSTALL_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md DESTINATION . RENAME word-list-README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The licence page: the program's licence, then the word list's, whose notices
# must travel with it. The byte order mark tells the Unicode installer the text
# is UTF-8 rather than the ANSI code page.
set(licence_sources ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/data/README.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${licence_sources})
file(READ ${PROJECT_SOURCE_DIR}/LICENSE program_licence)
file(READ ${PROJECT_SOURCE_DIR}/data/README.md word_list_notes)
string(FIND "${word_list_notes}" "## Licences" notices_start)
if(notices_start EQUAL -1)
  message(FATAL_ERROR "data/README.md has no \"## Licences\" section for the licence page")
endif()
string(SUBSTRING "${word_list_notes}" ${notices_start} -1 word_list_licences)
string(ASCII 239 187 191 utf8_bom)
set(LICENCE_PAGE ${CMAKE_CURRENT_BINARY_DIR}/licence-page.txt)
file(WRITE ${LICENCE_PAGE} "${utf8_bom}${program_licence}\n\n${word_list_licences}")

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Lexiquarium)
set(CPACK_PACKAGE_VENDOR "The Lexiquarium developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Word finder by wildcard pattern or by sound")
set(CPACK_PACKAGE_FILE_NAME Lexiquarium-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lexiquarium)
# 64-bit programs belong in "Program Files", not in "Program Files (x86)".
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_RESOURCE_FILE_LICENSE ${LICENCE_PAGE})
# A 64-bit installer for the 64-bit programs: the 32-bit default would need
# the 32-bit Windows layer to run, and would see the 32-bit registry view.
# CPack has no setting for it; this variable is a line of the script's header.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME Lexiquarium)
set(CPACK_NSIS_PACKAGE_NAME Lexiquarium)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/lexiquarium.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/lexiquarium.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME lexiquarium.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The shortcut starts the program in the folder that holds the list: a
# shortcut's working directory is the output path at the time it is made.
set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Lexiquarium.lnk" "$INSTDIR\lexiquarium.exe"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Lexiquarium Help.lnk" "$INSTDIR\Lexiquarium.chm"]])
# CPack's uninstaller removes its key under the vendor's key but leaves the
# vendor's; these lines run after that and remove it once empty.
set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
  Delete "$SMPROGRAMS\$MUI_TEMP\Lexiquarium.lnk"
  Delete "$SMPROGRAMS\$MUI_TEMP\Lexiquarium Help.lnk"
  DeleteRegKey /ifempty SHCTX "Software\The Lexiquarium developers"]])
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
