# Debian package of what `cmake --install` puts in place: the desktop program,
# the command-line tool, the .desktop file and the icon.
# `cpack -G DEB` in a build folder writes starwise_<version>_<arch>.deb there.
set(CPACK_PACKAGE_NAME starwise)
set(CPACK_PACKAGE_VENDOR "Starwise")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Natal astrology reading from the date, time and place of birth")
set(CPACK_PACKAGE_DESCRIPTION
    "Starwise works out the Sun sign, the lunar nodes and the planets in houses for a birth and writes a reading of them. The package holds the desktop program (starwise) and a command-line tool (starwise-cli) with text and JSON output.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Starwise developers <maintainers@starwise.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (Qt, the C++ runtime) are found by
# dpkg-shlibdeps; the windowing plugins are loaded at run time, so they are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, tzdata")

include(CPack)
