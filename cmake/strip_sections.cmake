# CPack pre-build script: removes the .comment and .note sections from the
# staged programs, as Debian's dh_strip does (CPack's own stripping keeps them).
find_program(STRIP_PROGRAM strip REQUIRED)
file(GLOB staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program IN LISTS staged)
  execute_process(COMMAND ${STRIP_PROGRAM} --remove-section=.comment --remove-section=.note "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
