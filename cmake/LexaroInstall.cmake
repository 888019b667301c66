# Installs Lexaro for one user or for all: the self-contained program folder under
# lib/lexaro, the two commands in bin, a desktop entry, the icon and AppStream metainfo.
#   cmake --install build/release --prefix ~/.local          (one user)
#   DESTDIR=stage cmake --install build/release --prefix /usr (a package's staging area)
# Every file written is in install_manifest.txt, which scripts/uninstall reads.
set(LEXARO_APP_ID example.orvenda.Lexaro)
set(LEXARO_INSTALL_PROGRAM_DIR lib/lexaro CACHE STRING "Where the program folder goes, below the prefix")
# The window class Qt gives the main window (from the application name), which the desktop
# entry names for desktops that match windows to their entries.
set(LEXARO_WM_CLASS Lexaro)

# Everything the build put in the program folder but the database, whose words belong to the
# user of a per-user install.
install(DIRECTORY ${LEXARO_PROGRAM_DIR}/ DESTINATION ${LEXARO_INSTALL_PROGRAM_DIR}
        USE_SOURCE_PERMISSIONS
        PATTERN Lexaro.db EXCLUDE
        PATTERN "*.partial" EXCLUDE)

foreach(size ${LEXARO_ICON_SIZES})
  install(FILES ${LEXARO_ICON_DIR}/${size}/lexaro.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${LEXARO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/lexaro.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${LEXARO_APP_ID}.svg)

# The AppStream metainfo, its releases taken from CHANGELOG.md: each heading "## VERSION (DATE)"
# and the paragraph under it.
file(READ ${PROJECT_SOURCE_DIR}/CHANGELOG.md changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
string(REPLACE ";" "," changelog "${changelog}")
string(REPLACE "&" "&amp;" changelog "${changelog}")
string(REPLACE "<" "&lt;" changelog "${changelog}")
string(REPLACE ">" "&gt;" changelog "${changelog}")
string(REPLACE "\n" ";" changelog_lines "${changelog}")
set(LEXARO_APPSTREAM_RELEASES "")
set(release_version "")
set(release_text "")
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^## ([0-9][0-9.]*) \\(([0-9-]+)\\)$")
    set(release_version ${CMAKE_MATCH_1})
    set(release_date ${CMAKE_MATCH_2})
    set(release_text "")
  elseif(line MATCHES "^## ")
    set(release_version "")
  elseif(release_version AND NOT line STREQUAL "")
    string(APPEND release_text " ${line}")
  elseif(release_version AND NOT release_text STREQUAL "")
    string(STRIP "${release_text}" release_text)
    string(APPEND LEXARO_APPSTREAM_RELEASES
           "    <release version=\"${release_version}\" date=\"${release_date}\">\n"
           "      <description><p>${release_text}</p></description>\n    </release>\n")
    set(release_version "")
  endif()
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/desktop/${LEXARO_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/${LEXARO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${LEXARO_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The package's documentation: where its words live, starting with the session, the licences.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND sh -c "gzip -n -9 -c '${PROJECT_SOURCE_DIR}/desktop/changelog' > '${CMAKE_BINARY_DIR}/changelog.gz'"
  DEPENDS ${PROJECT_SOURCE_DIR}/desktop/changelog VERBATIM)
add_custom_target(lexaro_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/copyright ${PROJECT_SOURCE_DIR}/desktop/README.Debian
              ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION share/doc/lexaro)

# What depends on the prefix given at install time is written by the script below. file(INSTALL)
# puts DESTDIR in front of an absolute destination itself; the other steps are told the staged
# path explicitly and put what they write in the manifest by hand.
set(LEXARO_INSTALL_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(LEXARO_INSTALL_DATABASE ${LEXARO_PROGRAM_DIR}/Lexaro.db)
configure_file(${CMAKE_CURRENT_LIST_DIR}/LexaroInstallSteps.cmake.in
               ${CMAKE_BINARY_DIR}/LexaroInstallSteps.cmake @ONLY)
install(SCRIPT ${CMAKE_BINARY_DIR}/LexaroInstallSteps.cmake)

# A Debian package: cpack -G DEB in the release build folder.
set(CPACK_PACKAGE_NAME lexaro)
set(CPACK_PACKAGE_VENDOR "Orvenda Corporate")
set(CPACK_PACKAGE_CONTACT "Orvenda Corporate <support@orvenda.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Persian dictionary of nine word lists")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/desktop/package-description.txt)
set(CPACK_PACKAGE_INSTALL_DIRECTORY lexaro)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvenda.example/Lexaro)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program uses at run time without linking it: the Qt plugins, speech, the desktop's
# opener, and the dictionaries behind the dictionary forms.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng, hunspell-en-us, hunspell-de-de, hunspell-fr, hunspell-it, hunspell-es, hunspell-sv, hunspell-ar, voikko-fi")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
