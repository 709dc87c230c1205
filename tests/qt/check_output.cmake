# Runs PROGRAM in FOLDER with the arguments ARGS (separated by "|") and checks that it ends with
# status 0 having written exactly the text of the file EXPECTED to its standard output.
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${PROGRAM} ${arguments} WORKING_DIRECTORY ${FOLDER}
                RESULT_VARIABLE status OUTPUT_VARIABLE output)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0 OR NOT output STREQUAL expected)
  message(FATAL_ERROR "status ${status}; the output\n${output}is not\n${expected}")
endif()
