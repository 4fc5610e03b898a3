# The Debian package: `cpack -G DEB` in the build folder makes
# orvantis_<version>_<architecture>.deb from the install rules, with /usr as prefix.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvantis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The ORVANTIS developers")
set(CPACK_PACKAGE_CONTACT "${ORVANTIS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of the external ballistics of harpoons")
# Kept under 80 columns a line, as dpkg shows it.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "ORVANTIS integrates the flight of a harpoon through water from its launch\n"
  "mass, area, drag coefficient, launch height, speed and angle, writes a table\n"
  "of 500 samples to Orvantis_500.txt in its current folder and draws charts of\n"
  "any sampled quantity against another. The interface speaks Russian, German\n"
  "or English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVANTIS_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORVANTIS_HOMEPAGE})
# The dependencies come from the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET orvantis)
  # Qt loads its display plugins at run time, so no linked library names them: without
  # qt6-qpa-plugins the window program cannot open a window. Qt's own German and
  # Russian texts (file dialog, message box buttons) are read from files as well.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
endif()

include(CPack)
