# Runs the same trace twice and compares the output byte for byte.
# Usage: cmake -DSTUDSIM=<path to studsim> -P tracecheck.cmake
set(args --trace --generator splitmix:20240601 --script RCCFCRRC --level 400 --deals 40
         --initial 60 --until 60)

foreach(run first second)
    execute_process(COMMAND ${STUDSIM} ${args}
                    OUTPUT_VARIABLE out_${run} ERROR_VARIABLE err_${run}
                    RESULT_VARIABLE rc_${run})
    if(NOT rc_${run} EQUAL 0)
        message(FATAL_ERROR "studsim exited with ${rc_${run}}: ${err_${run}}")
    endif()
endforeach()

if(NOT out_first STREQUAL out_second)
    message(FATAL_ERROR "two runs with the same arguments differ")
endif()
if(NOT out_first MATCHES "^start street=1 ")
    message(FATAL_ERROR "the trace does not begin with the start line")
endif()
foreach(event Deal Call Raise Fold NewGame)
    if(NOT out_first MATCHES "\n${event} street=")
        message(FATAL_ERROR "the trace has no ${event} event")
    endif()
endforeach()
string(REGEX MATCHALL "\n" lines "${out_first}")
list(LENGTH lines count)
message(STATUS "${count} identical trace lines")
