# The installed tree: exactly the expected files, a menu entry and metainfo that the
# freedesktop.org and AppStream validators accept, man pages that render cleanly.
# Each test installs the build into its own temporary DESTDIR under /usr.
set(expected usr/share/doc/orvantis/changelog.gz usr/share/doc/orvantis/copyright)
if(TARGET orvantis)
  list(APPEND expected
    usr/bin/orvantis
    usr/share/applications/io.github.orvantis.Orvantis.desktop
    usr/share/icons/hicolor/128x128/apps/io.github.orvantis.Orvantis.png
    usr/share/icons/hicolor/256x256/apps/io.github.orvantis.Orvantis.png
    usr/share/icons/hicolor/48x48/apps/io.github.orvantis.Orvantis.png
    usr/share/icons/hicolor/scalable/apps/io.github.orvantis.Orvantis.svg
    usr/share/man/man1/orvantis.1.gz
    usr/share/metainfo/io.github.orvantis.Orvantis.metainfo.xml
    usr/share/mime/packages/io.github.orvantis.Orvantis.xml)
endif()
if(TARGET orvantis-cli)
  list(APPEND expected usr/bin/orvantis-cli usr/share/man/man1/orvantis-cli.1.gz)
endif()
if(TARGET orvantis_cli_png)
  list(APPEND expected usr/lib/orvantis/orvantis-cli-png.so)
endif()
list(SORT expected)
set(expected_text "")
foreach(path IN LISTS expected)
  string(APPEND expected_text "${path}\n")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/install_expected.txt "${expected_text}")

set(check ${CMAKE_CURRENT_SOURCE_DIR}/tests/install/check_install.sh)
add_test(NAME install_files COMMAND bash ${check} files ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/install_expected.txt)
add_test(NAME install_man_pages COMMAND bash ${check} man ${CMAKE_BINARY_DIR})
if(TARGET orvantis)
  add_test(NAME install_desktop_entry COMMAND bash ${check} desktop ${CMAKE_BINARY_DIR})
  add_test(NAME install_metainfo COMMAND bash ${check} metainfo ${CMAKE_BINARY_DIR})
endif()
add_test(NAME readme_links COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install/readme_links.sh ${CMAKE_CURRENT_SOURCE_DIR})
