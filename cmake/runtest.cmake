# Runs a test program and judges it by its exit status and, when asked, by its
# output too. CTest alone cannot do both: a PASS_REGULAR_EXPRESSION replaces
# the exit status, so a program that prints its summary and then crashes
# would pass. Under CI (the environment variable CI set) a Qt Test skip is a
# failure too, but for the one a super-user cannot help (a file without
# permissions is still readable to root): a test that skips there protects
# nothing on the machine that is meant to run everything.
# Usage: cmake [-DSTATUS=<n>] [-DEXPECT=<regex>] [-DNO_DISPLAY=ON]
#              -P runtest.cmake -- <program> [<argument>...]
#   STATUS      the exit status the program must end with (0 unless given)
#   EXPECT      a regular expression its output (standard output and error
#               together) must match
#   NO_DISPLAY  run it with no display at all, as on a bare console
cmake_minimum_required(VERSION 3.25)

set(command)
set(found_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 1 ${last})
    if(found_separator)
        list(APPEND command "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(found_separator TRUE)
    endif()
endforeach()
if(NOT command)
    message(FATAL_ERROR "runtest.cmake: no program given after --")
endif()
if(NOT DEFINED STATUS)
    set(STATUS 0)
endif()
if(NO_DISPLAY)
    unset(ENV{DISPLAY})
    unset(ENV{WAYLAND_DISPLAY})
    unset(ENV{QT_QPA_PLATFORM})
endif()

execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE output ECHO_OUTPUT_VARIABLE ECHO_ERROR_VARIABLE)

set(failures)
if(NOT status STREQUAL "${STATUS}")
    list(APPEND failures "it ended with \"${status}\", not with status ${STATUS}")
endif()
if(DEFINED EXPECT AND NOT output MATCHES "${EXPECT}")
    list(APPEND failures "its output does not match \"${EXPECT}\"")
endif()
if(NOT "$ENV{CI}" STREQUAL "")
    # Qt Test names a skipped function as "SKIP   : Class::function(row) why".
    set(allowed "^SKIP   : BadFilesTest::refusedSettingsFile\\(no permissions\\) ")
    # (A ';' in a reason would split the list of skips.)
    string(REPLACE ";" "," lines "${output}")
    string(REGEX MATCHALL "(^|\n)SKIP   : [^\n]*" skips "${lines}")
    foreach(skip IN LISTS skips)
        string(STRIP "${skip}" skip)
        if(NOT skip MATCHES "${allowed}")
            list(APPEND failures "it skipped under CI: ${skip}")
        endif()
    endforeach()
endif()
if(failures)
    list(JOIN failures "; " failures)
    message(FATAL_ERROR "${command}: ${failures}")
endif()
