# Replays the recorded sessions and requires byte-identical traces: the
# engine's behaviour, down to every event, is what the traces froze.
# Usage: cmake -DSTUDSIM=<studsim> -DGOLDEN=<this folder> -DWORK=<scratch>
#              [-DSET=ticks] -P replay.cmake
# Session N (counting from 1) of sessions.txt was recorded as NN.txt in
# traces.tar.gz; those of a named set are in <set>-sessions.txt and
# <set>-traces.tar.gz. record.sh writes a set's traces again.
if(DEFINED SET)
    set(sessions_file ${GOLDEN}/${SET}-sessions.txt)
    set(traces_file ${GOLDEN}/${SET}-traces.tar.gz)
else()
    set(sessions_file ${GOLDEN}/sessions.txt)
    set(traces_file ${GOLDEN}/traces.tar.gz)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(ARCHIVE_EXTRACT INPUT ${traces_file} DESTINATION ${WORK})
file(STRINGS ${sessions_file} sessions)
# An empty list, or an archive with traces no session replays, would check less
# than it claims.
list(LENGTH sessions count)
file(GLOB traces RELATIVE ${WORK} ${WORK}/*.txt)
list(LENGTH traces recorded)
if(count EQUAL 0)
    message(FATAL_ERROR "${sessions_file} lists no session: nothing would be replayed")
endif()
if(NOT recorded EQUAL count)
    message(FATAL_ERROR "${traces_file} holds ${recorded} traces for ${count} sessions")
endif()

set(index 0)
set(failed 0)
foreach(session IN LISTS sessions)
    math(EXPR index "${index} + 1")
    if(index LESS 10)
        set(name "0${index}")
    else()
        set(name "${index}")
    endif()
    separate_arguments(args UNIX_COMMAND "${session}")
    execute_process(COMMAND ${STUDSIM} --trace ${args}
                    OUTPUT_FILE ${WORK}/${name}.out ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(SEND_ERROR "session ${name} (${session}): studsim exited with ${rc}: ${err}")
        math(EXPR failed "${failed} + 1")
        continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name}.txt
                            ${WORK}/${name}.out RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(SEND_ERROR "session ${name} (${session}) differs from its recorded trace; "
                           "compare ${WORK}/${name}.txt with ${WORK}/${name}.out")
        math(EXPR failed "${failed} + 1")
    endif()
endforeach()
if(failed GREATER 0)
    message(FATAL_ERROR "${failed} of ${index} sessions differ")
endif()
message(STATUS "${count} sessions replayed byte for byte")
