# Runs PROGRAM with the list ARGS and fails unless it exits with STATUS; for checks of an exit
# status other than 0 and 1, which add_test alone cannot tell apart.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL STATUS)
    message(FATAL_ERROR "${PROGRAM} ${ARGS} exited with ${status}, not ${STATUS}")
endif()
