# Runs TOOL with INPUT on standard input and compares standard output with
# EXPECTED, the exit status with STATUS and, if given, standard error with
# ERRORS.
execute_process(COMMAND ${TOOL} INPUT_FILE ${INPUT} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${err}")
endif()
if(NOT out STREQUAL expected)
    message(FATAL_ERROR "output differs.\n--- got\n${out}--- expected\n${expected}")
endif()
if(DEFINED ERRORS)
    file(READ ${ERRORS} errors)
    if(NOT err STREQUAL errors)
        message(FATAL_ERROR "messages differ.\n--- got\n${err}--- expected\n${errors}")
    endif()
endif()
