# Installs the build into PREFIX and checks that the program and its desktop entry, which
# declares plain text and takes the files on the command line, are there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
if(NOT EXISTS ${PREFIX}/bin/quillex)
  message(FATAL_ERROR "bin/quillex was not installed")
endif()
file(READ ${PREFIX}/share/applications/quillex.desktop entry)
foreach(line "MimeType=text/plain;" "Exec=quillex %F")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
