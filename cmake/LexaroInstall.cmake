# Installs Lexaro for one user or for all: the self-contained program folder under
# lib/lexaro, the two commands in bin, a desktop entry, the icon and AppStream metainfo.
# cmake --install build/release --prefix ~/.local
set(LEXARO_APP_ID example.orvenda.Lexaro)
set(LEXARO_INSTALL_PROGRAM_DIR lib/lexaro CACHE STRING "Where the program folder goes, below the prefix")
# The window class Qt gives the main window (from the application name), which the desktop
# entry names for desktops that match windows to their entries.
set(LEXARO_WM_CLASS Lexaro)

# Everything the build put in the program folder but the database, whose words belong to the
# user once installed.
install(DIRECTORY ${LEXARO_PROGRAM_DIR}/ DESTINATION ${LEXARO_INSTALL_PROGRAM_DIR}
        USE_SOURCE_PERMISSIONS
        PATTERN Lexaro.db EXCLUDE
        PATTERN "*.partial" EXCLUDE)

install(CODE "
  set(program_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${LEXARO_INSTALL_PROGRAM_DIR}\")
  # A database already installed holds the words the user added: a new installation keeps it.
  if(EXISTS \"\${program_dir}/Lexaro.db\")
    message(STATUS \"Keeping the installed word database: \${program_dir}/Lexaro.db\")
  else()
    file(INSTALL \"${LEXARO_PROGRAM_DIR}/Lexaro.db\" DESTINATION \"\${program_dir}\")
  endif()

  # The commands are links into the program folder: the program finds its files beside the
  # executable the link resolves to.
  set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin_dir}\")
  foreach(command lexaro lexaro-words)
    file(RELATIVE_PATH target \"\${bin_dir}\" \"\${program_dir}/\${command}\")
    message(STATUS \"Linking: \${bin_dir}/\${command} -> \${target}\")
    file(REMOVE \"\${bin_dir}/\${command}\")
    file(CREATE_LINK \"\${target}\" \"\${bin_dir}/\${command}\" SYMBOLIC)
  endforeach()

  # The desktop entry starts the program by its full path: a desktop session's PATH need not
  # hold the prefix's bin folder.
  set(LEXARO_BIN_DIR \"\${CMAKE_INSTALL_PREFIX}/bin\")
  set(LEXARO_WM_CLASS \"${LEXARO_WM_CLASS}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(share \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share\")
  configure_file(\"${PROJECT_SOURCE_DIR}/desktop/${LEXARO_APP_ID}.desktop.in\"
                 \"\${share}/applications/${LEXARO_APP_ID}.desktop\" @ONLY)
  configure_file(\"${PROJECT_SOURCE_DIR}/desktop/${LEXARO_APP_ID}.metainfo.xml\"
                 \"\${share}/metainfo/${LEXARO_APP_ID}.metainfo.xml\" @ONLY)
  message(STATUS \"Installing: \${share}/applications/${LEXARO_APP_ID}.desktop\")
  message(STATUS \"Installing: \${share}/metainfo/${LEXARO_APP_ID}.metainfo.xml\")
")

foreach(size ${LEXARO_ICON_SIZES})
  install(FILES ${LEXARO_ICON_DIR}/${size}/lexaro.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${LEXARO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/lexaro.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${LEXARO_APP_ID}.svg)
