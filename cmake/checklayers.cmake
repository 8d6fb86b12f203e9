# Every #include "..." of the engine, the front end, the support code, the
# tools, benchmarks, fuzzers and tests points down the layers or stays in its
# own folder: a file may include only from the folders its row below allows.
# Usage: cmake -DROOT=<source folder> -P checklayers.cmake
cmake_minimum_required(VERSION 3.25)

set(allowed_cards cards)
set(allowed_table cards table)
set(allowed_betting cards table betting)
set(allowed_showdown cards table showdown)
set(allowed_game cards table betting showdown game)
set(allowed_history cards table betting showdown game history)
set(allowed_ui cards table betting showdown game history ui)
set(allowed_support cards table betting showdown game support)
# A test folder mirrors its layer: what the layer may include, the support
# code and its own folder.
foreach(layer cards table betting showdown game history)
    set(allowed_tests/${layer} ${allowed_${layer}} support tests/${layer})
endforeach()
set(allowed_tests/ui ${allowed_ui} support tests/ui)
# The tools, benchmarks and fuzzers sit on top: each row names what it drives.
set(allowed_tools/handeval cards table tools/handeval)
set(allowed_tools/studsim cards table betting showdown game history support tools/studsim)
set(allowed_tools/assetgen tools/assetgen)
set(allowed_tests/tools tools/handeval ${allowed_tools/handeval} support tests/tools)
set(allowed_tests/assets support tools/assetgen tests/assets)
# The window's benchmark reuses the window tests' fixture.
set(allowed_bench ${allowed_ui} support tests/ui bench)
set(allowed_fuzz cards table ui support tools/handeval fuzz)

set(folders cards table betting showdown game history ui support tests/cards tests/table
            tests/betting tests/showdown tests/game tests/history tests/ui tools/handeval
            tools/studsim tools/assetgen tests/tools tests/assets bench fuzz)

# The folder of `path` (relative to ROOT) among `folders`, or the path itself
# when it lies in none of them.
function(folder_of path out)
    set(found "${path}")
    foreach(folder IN LISTS folders)
        string(LENGTH "${folder}/" n)
        string(SUBSTRING "${path}" 0 ${n} head)
        if(head STREQUAL "${folder}/")
            set(found ${folder})
        endif()
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(broken 0)
set(files 0)
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
    foreach(source IN LISTS sources)
        folder_of(${source} from)
        if(NOT from STREQUAL folder)
            continue() # a file of a deeper listed folder is checked with that folder
        endif()
        math(EXPR files "${files} + 1")
        get_filename_component(dir ${source} DIRECTORY)
        file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" target "${line}")
            if(target MATCHES "\\.moc$")
                continue() # made by moc next to the file
            endif()
            # A quoted include is looked for next to the file first, then from the root.
            # The path is taken apart lexically, so "cards/../table/x.h" counts as
            # table/x.h, and one that climbs out of the tree as none of the folders.
            if(EXISTS ${ROOT}/${dir}/${target})
                set(resolved ${dir}/${target})
            else()
                set(resolved ${target})
            endif()
            cmake_path(NORMAL_PATH resolved)
            if(resolved MATCHES "^\\.\\./" OR IS_ABSOLUTE "${target}")
                set(to "outside the tree")
            else()
                folder_of(${resolved} to)
            endif()
            if(NOT to IN_LIST allowed_${from})
                string(REPLACE ";" ", " may "${allowed_${from}}")
                message(SEND_ERROR "${source}: #include \"${target}\" reaches ${to}; "
                                   "${from} may include only from ${may}")
                math(EXPR broken "${broken} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

if(broken GREATER 0)
    message(FATAL_ERROR "${broken} includes cross the layers")
endif()
message(STATUS "${files} files include only down the layers")
