# The zip and the installer. The program reads its list from the current
# directory, so the programs, the list, the help file and the notices all go
# into one folder: unpacked, a double-click starts the program there, and the
# installer's shortcut starts it there too.
install(TARGETS lexiquarium lexiquarium-find RUNTIME DESTINATION .)
install(FILES ${WORD_LIST} ${HELP_FILE} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md DESTINATION . RENAME word-list-README.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Lexiquarium)
set(CPACK_PACKAGE_VENDOR "The Lexiquarium developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Word finder by wildcard pattern or by sound")
set(CPACK_PACKAGE_FILE_NAME Lexiquarium-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lexiquarium)
# 64-bit programs belong in "Program Files", not in "Program Files (x86)".
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The word list's notices, which must travel with it, on the licence page.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/data/README.md)
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
set(CPACK_NSIS_DELETE_ICONS_EXTRA [[
  Delete "$SMPROGRAMS\$MUI_TEMP\Lexiquarium.lnk"
  Delete "$SMPROGRAMS\$MUI_TEMP\Lexiquarium Help.lnk"]])
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
