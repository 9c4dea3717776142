# Debian's hardening flags for the programs that are installed: the flags of
# `dpkg-buildflags` with hardening=+all (stack protector, fortified libc calls,
# format checks; relro and bind-now at link time), and position-independent
# executables. Optimisation and debug information stay with the build type,
# so the -O and -g flags of dpkg-buildflags are left out.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-O|^-g")
  set(STARWISE_HARDENING_${kind} ${flags})
endforeach()
message(STATUS "Hardening: ${STARWISE_HARDENING_CPPFLAGS} ${STARWISE_HARDENING_CXXFLAGS} | ${STARWISE_HARDENING_LDFLAGS}")
add_compile_options(${STARWISE_HARDENING_CPPFLAGS} ${STARWISE_HARDENING_CXXFLAGS})
add_link_options(${STARWISE_HARDENING_LDFLAGS})
