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
# Every line has exactly the documented form. (Boxes are joined with ';',
# which a CMake list would split on, so it is swapped out first.)
string(REPLACE ";" "<semicolon>" text "${out_first}")
string(REGEX REPLACE "\n$" "" text "${text}")
string(REPLACE "\n" ";" lines "${text}")
set(n "-?[0-9]+")
set(bit "[01]")
set(line_form "^(start|Deal|Call|Raise|Fold|NewGame) street=[1-6] pot=${n} tocall=${n}"
              " cash=${n},${n},${n},${n},${n}"
              " folded=${bit}${bit}${bit}${bit}${bit} raised=${bit}${bit}${bit}${bit}"
              " opener=[1-5] folds=[0-4] enabled=[D-][C-][R-][F-]"
              " captions=(Check|Call)/(Raise|Bet)"
              " status=[^|]*[|][^|]*[|][^|]*[|][^|]*[|][^|]*"
              " sounds=(-|(card1|card2|chip1|chip3|chip4)[.]wav(,(card1|card2|chip1|chip3|chip4)[.]wav)*)"
              " boxes=[^ ].*$")
string(CONCAT line_form ${line_form})
set(count 0)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "${line_form}")
        message(FATAL_ERROR "a trace line is not in the documented form:\n${line}")
    endif()
    math(EXPR count "${count} + 1")
endforeach()
message(STATUS "${count} identical trace lines in the documented form")
