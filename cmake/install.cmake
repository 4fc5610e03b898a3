# Install rules and the Debian package. `cmake --install` puts the programs in bin/,
# their man pages in share/man/man1/ and, with the window program, its menu entry,
# icons and AppStream metainfo in share/. The command line program is installed when
# its target exists, so this file works with and without it, and without Qt.
include(GNUInstallDirs)

# The day version ${PROJECT_VERSION} was released: the metainfo and the man page show it.
set(ORVANTIS_RELEASE_DATE 2026-12-08)
set(ORVANTIS_HOMEPAGE https://github.com/orvantis/orvantis)
set(ORVANTIS_SCREENSHOT https://raw.githubusercontent.com/orvantis/orvantis/main/docs/main_window.png)
# No licence has been chosen yet: until one is, the metainfo says so rather than guess.
set(ORVANTIS_LICENSE LicenseRef-proprietary CACHE STRING "SPDX licence of the program, for the metainfo")
set(ORVANTIS_MAINTAINER "ORVANTIS developers <orvantis@users.noreply.github.com>"
    CACHE STRING "The Debian package's Maintainer field")

set(generated ${CMAKE_BINARY_DIR}/install)

# Everything the install takes from the build folder, so a plain build makes it.
add_custom_target(orvantis_install_payload ALL)

# Man pages go in compressed, as a Debian maintainer expects them; -n keeps the
# compressed bytes the same from one build to the next.
function(orvantis_install_man_page source)
  add_custom_command(OUTPUT ${source}.gz
    COMMAND gzip -9nkf ${source}
    DEPENDS ${source}
    VERBATIM)
  get_filename_component(page ${source} NAME)
  add_custom_target(orvantis_man_${page} DEPENDS ${source}.gz)
  add_dependencies(orvantis_install_payload orvantis_man_${page})
  install(FILES ${source}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(TARGET orvantis)
  install(TARGETS orvantis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  add_dependencies(orvantis_install_payload orvantis)

  configure_file(docs/orvantis.1.in ${generated}/orvantis.1 @ONLY)
  orvantis_install_man_page(${generated}/orvantis.1)

  configure_file(desktop/orvantis.desktop.in ${generated}/${ORVANTIS_APP_ID}.desktop @ONLY)
  install(FILES ${generated}/${ORVANTIS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  set(ORVANTIS_PROVIDES "    <binary>orvantis</binary>\n")
  if(TARGET orvantis-cli)
    string(APPEND ORVANTIS_PROVIDES "    <binary>orvantis-cli</binary>\n")
  endif()
  configure_file(desktop/orvantis.metainfo.xml.in ${generated}/${ORVANTIS_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${generated}/${ORVANTIS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The design file's type, so file managers open a .orv with the program; dpkg's
  # trigger of shared-mime-info updates the database.
  install(FILES desktop/orvantis.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME ${ORVANTIS_APP_ID}.xml)

  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES assets/icons/orvantis.svg DESTINATION ${icons}/scalable/apps RENAME ${ORVANTIS_APP_ID}.svg)
  foreach(size 48 128 256)
    install(FILES assets/icons/orvantis-${size}.png DESTINATION ${icons}/${size}x${size}/apps
      RENAME ${ORVANTIS_APP_ID}.png)
  endforeach()
endif()

if(TARGET orvantis-cli)
  install(TARGETS orvantis-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  add_dependencies(orvantis_install_payload orvantis-cli)
endif()
if(TARGET orvantis_cli_png)
  # The program's private module for PNG charts: orvantis-cli looks for it in
  # ../lib/orvantis beside its bin folder (a fixed path, not the multiarch one).
  install(TARGETS orvantis_cli_png LIBRARY DESTINATION lib/orvantis
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()
if(TARGET orvantis-cli-man)
  # help2man writes the page when orvantis-cli-man runs, by a rule this file cannot
  # see; compressing it on every build keeps the copy from going stale.
  set(page ${CMAKE_BINARY_DIR}/man/orvantis-cli.1)
  add_custom_target(orvantis_man_orvantis-cli.1
    COMMAND gzip -9nkf ${page}
    BYPRODUCTS ${page}.gz
    VERBATIM)
  add_dependencies(orvantis_man_orvantis-cli.1 orvantis-cli-man)
  add_dependencies(orvantis_install_payload orvantis_man_orvantis-cli.1)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# What Debian asks of every package's documentation folder: the copyright in its
# machine-readable form and the changelog, compressed.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/orvantis)
install(FILES packaging/copyright DESTINATION ${docdir})
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}
  COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog > ${generated}/changelog.gz
  DEPENDS packaging/changelog)
add_custom_target(orvantis_changelog DEPENDS ${generated}/changelog.gz)
add_dependencies(orvantis_install_payload orvantis_changelog)
install(FILES ${generated}/changelog.gz DESTINATION ${docdir})

include(cmake/package.cmake)
