# Installs the build into PREFIX and checks that the program and its desktop entry are there, and
# that the entry, which declares plain text and takes the files on the command line, passes
# VALIDATE (desktop-file-validate) with no error, warning or hint.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
if(NOT EXISTS ${PREFIX}/bin/quillex)
  message(FATAL_ERROR "bin/quillex was not installed")
endif()
set(entry_file ${PREFIX}/share/applications/quillex.desktop)
execute_process(COMMAND ${VALIDATE} ${entry_file} RESULT_VARIABLE status OUTPUT_VARIABLE said
                ERROR_VARIABLE said)
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate (${status}): ${said}")
endif()
file(READ ${entry_file} entry)
foreach(line "MimeType=text/plain;" "Exec=quillex %F")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
