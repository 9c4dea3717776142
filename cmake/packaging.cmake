# Debian package of what `cmake --install` puts in place: the desktop program,
# the command-line tool, the .desktop file, the AppStream metainfo, the icon,
# the manual pages, the copyright file and the changelog.
# `cpack -G DEB` in a build folder writes starwise_<version>_<arch>.deb there;
# `make package` also runs lintian on it.
include(GNUInstallDirs)
set(STARWISE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(STARWISE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/starwise)

# The changelog's newest entry names the version being packaged.
file(STRINGS ${STARWISE_PACKAGING_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^starwise \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with \"${changelog_head}\"; "
                      "its newest entry must be version ${PROJECT_VERSION}")
endif()

# Copyright file (machine-readable, uncompressed) and changelog (gzip -9n, the
# name Debian uses for a package without a separate upstream changelog).
install(FILES ${STARWISE_PACKAGING_DIR}/copyright DESTINATION ${STARWISE_DOC_DIR})
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
  COMMAND gzip -9n -c ${STARWISE_PACKAGING_DIR}/changelog > ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${STARWISE_PACKAGING_DIR}/changelog
  VERBATIM)
add_custom_target(starwise_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${STARWISE_DOC_DIR})

# Manual pages from each program's --help and --version (help2man), with the
# sections of packaging/<program>.h2m. Not for the sanitizer or fuzzing
# builds, which are never installed.
find_program(HELP2MAN help2man)
if(NOT STARWISE_SANITIZE AND NOT STARWISE_FUZZ)
  if(HELP2MAN)
    set(man_summary_starwise "natal astrology reading in a desktop window")
    set(man_summary_starwise-cli "natal astrology reading on the command line")
    set(man_pages)
    foreach(program starwise starwise-cli)
      if(NOT TARGET ${program})
        continue()
      endif()
      set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1.gz)
      add_custom_command(
        OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program}
                -DVERSION=${PROJECT_VERSION} "-DSUMMARY=${man_summary_${program}}"
                -DINCLUDE=${STARWISE_PACKAGING_DIR}/${program}.h2m -DHELP2MAN=${HELP2MAN}
                -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/man_page.cmake
        DEPENDS ${program} ${STARWISE_PACKAGING_DIR}/${program}.h2m ${PROJECT_SOURCE_DIR}/cmake/man_page.cmake
        VERBATIM)
      list(APPEND man_pages ${page})
    endforeach()
    add_custom_target(starwise_man_pages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    message(STATUS "help2man not found: no manual pages (make deps installs it)")
  endif()
endif()

set(CPACK_PACKAGE_NAME starwise)
set(CPACK_PACKAGE_VENDOR "Starwise")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Starwise developers <maintainers@starwise.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Starwise developers <maintainers@starwise.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The first line is the synopsis; the rest is the extended description, each
# line at most 80 characters as Debian asks.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[natal astrology reading from the date, time and place of birth
Starwise works out a birth chart from the date, the clock time, the time
zone and the place of birth, and writes a reading of it: the Sun sign and
its profile, the lunar nodes, the planets in the fourth, eighth and twelfth
houses, the quincunx and semi-sextile aspects and the bodies that are void
of course.
.
The package holds the desktop program (starwise), which shows the reading in
a window, and a command-line tool (starwise-cli) that prints the same reading
as text or JSON, one birth at a time or a file of births in batch mode.
All astronomy is computed locally; nothing is saved.]=])
# The shared libraries the programs link (Qt, the C++ runtime and, with the
# atlas, libgeonames) are found by dpkg-shlibdeps. Loaded at run time and so
# named here: Qt's windowing plugins and the time zone database.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, tzdata")
# Strip the .comment and .note sections the way Debian's own tools do.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/strip_sections.cmake)

include(CPack)
