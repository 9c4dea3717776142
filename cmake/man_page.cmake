# Writes one gzipped manual page with help2man, run as
#   cmake -DPROGRAM=<binary> -DNAME=<program name> -DVERSION=<x.y>
#         -DSUMMARY=<one line> -DINCLUDE=<.h2m file> -DHELP2MAN=<path>
#         -DOUTPUT=<name.1.gz> -P man_page.cmake
#
# The program is asked for --help and --version once, with a time limit and
# on Qt's offscreen platform, so a program that does not know an option (the
# desktop program would open its window instead) cannot hang the build.
# help2man then reads the captured answers through a small script. A program
# without --version gets "NAME VERSION"; one without --help gets a bare usage
# line, and the page's text comes from the include file.
foreach(required PROGRAM NAME VERSION SUMMARY INCLUDE HELP2MAN OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "man_page.cmake: ${required} is not set")
  endif()
endforeach()

get_filename_component(work "${OUTPUT}" DIRECTORY)
set(work "${work}/${NAME}.h2m-work")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}/runtime")
file(CHMOD "${work}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# A private runtime folder: the desktop program's single-instance lock lives
# there, so asking it for --help never meets a copy the user is running.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{XDG_RUNTIME_DIR} "${work}/runtime")

function(ask option out_text out_ok)
  execute_process(COMMAND "${PROGRAM}" ${option}
                  TIMEOUT 5
                  RESULT_VARIABLE result
                  OUTPUT_VARIABLE text
                  ERROR_QUIET)
  set(${out_text} "${text}" PARENT_SCOPE)
  if(result STREQUAL "0")
    set(${out_ok} TRUE PARENT_SCOPE)
  else()
    set(${out_ok} FALSE PARENT_SCOPE)
  endif()
endfunction()

ask(--help help_text help_ok)
if(NOT help_ok OR NOT help_text MATCHES "[Uu]sage")
  message(STATUS "${NAME} does not answer --help; its manual page takes a bare usage line")
  set(help_text "Usage: ${NAME}\n")
endif()
ask(--version version_text version_ok)
if(NOT version_ok OR NOT version_text MATCHES "^${NAME} ")
  set(version_text "${NAME} ${VERSION}\n")
endif()
# A usage line printed from argv[0] would carry the build folder's path.
string(REPLACE "${PROGRAM}" "${NAME}" help_text "${help_text}")
file(WRITE "${work}/help.txt" "${help_text}")
file(WRITE "${work}/version.txt" "${version_text}")
file(WRITE "${work}/${NAME}"
     "#!/bin/sh\n"
     "case \"$1\" in\n"
     "  --version) cat '${work}/version.txt' ;;\n"
     "  *) cat '${work}/help.txt' ;;\n"
     "esac\n")
file(CHMOD "${work}/${NAME}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

execute_process(COMMAND "${HELP2MAN}" --no-info --section=1
                        "--name=${SUMMARY}" "--include=${INCLUDE}"
                        "--output=${work}/${NAME}.1" "${work}/${NAME}"
                COMMAND_ERROR_IS_FATAL ANY)
# gzip -n: no name or time stamp inside, so the same page gives the same bytes.
execute_process(COMMAND gzip -9n -c "${work}/${NAME}.1"
                OUTPUT_FILE "${OUTPUT}"
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${work}")
