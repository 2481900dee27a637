# SPDX-License-Identifier: GPL-3.0-or-later
# What a system-wide install adds to the programs, help pages and icons of src/ and tools/: the
# man pages, the AppStream metadata, the sounds and the Debian documentation files; and the
# Debian package made from all of it with `cpack -G DEB`.

# gzip -9n: compressed man pages and changelog, without a time stamp, as Debian wants them.
function(velmar_gzip_file source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${source} ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

set(VELMAR_GZIPPED)
foreach(page velmarnotes velmar-cli)
  configure_file(${PROJECT_SOURCE_DIR}/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  velmar_gzip_file(${CMAKE_BINARY_DIR}/man/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  list(APPEND VELMAR_GZIPPED ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(VELMAR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmarnotes)
velmar_gzip_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
list(APPEND VELMAR_GZIPPED ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_target(velmar_gzipped_docs ALL DEPENDS ${VELMAR_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
  DESTINATION ${VELMAR_DOC_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/resources/metainfo/org.velmarnotes.VelmarNotes.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME velmarnotes)
set(CPACK_PACKAGE_VENDOR "The Velmar Notes developers")
set(CPACK_PACKAGE_CONTACT "The Velmar Notes developers <developers@velmarnotes.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sticky notes, memoboards and reminders on the desktop")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.velmarnotes.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no binary links but the program needs: Qt's X11 platform plugin and the freedesktop sound
# theme, whose "alarm-clock-elapsed" plays when a reminder's sound file is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, sound-theme-freedesktop")
# The body under the summary line; CPack indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Velmar Notes puts sticky notes on the desktop: small frameless windows with
rounded corners that hold formatted text. Notes are made from the tray icon,
a small notepad window or a global hot key, and can be coloured, moved,
resized, pinned on top or minimised to a tile. Memoboards hold notes on tabs,
reminders ring until they are acknowledged, and every change is saved at once
to one SQLite file, with a daily backup.

The package also holds velmar-cli, the command-line companion for backups,
memoboard exchange files and RTF conversion.")
include(CPack)
