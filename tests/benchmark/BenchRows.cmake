# Runs the benchmark briefly and checks what it prints, not how fast: every
# row states its target and whether it holds, or that it has none; and the
# peak memory that each start-up probe reports of itself tells the bare
# window from the editor, as a peak measured from the benchmark did not.
# Usage: cmake -DBENCH=path/to/mobwright_bench -P BenchRows.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${BENCH}" --reps 3 --callgrind 0 OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The benchmark failed (${status}):\n${output}")
endif()
message("${output}")

set(bare "bare window")
set(editor "editor")
set(image "editor with an image")
set(floor "first page in Qt alone")
string(REPLACE "\n" ";" lines "${output}")
list(POP_FRONT lines header)
foreach(line IN LISTS lines)
    if(line STREQUAL "")
        continue()
    endif()
    if(NOT line MATCHES "(no target|: holds|: does not hold|: not measured)$")
        message(SEND_ERROR "A row without its target: ${line}")
    endif()
    foreach(process IN ITEMS bare editor image floor)
        if(line MATCHES "^Peak resident memory, ${${process}}  +([0-9.]+) ")
            set(${process}_peak ${CMAKE_MATCH_1})
        endif()
    endforeach()
endforeach()

foreach(process IN ITEMS editor image floor)
    if(NOT bare_peak LESS ${process}_peak)
        message(SEND_ERROR "The ${${process}}'s peak memory (${${process}_peak} MiB) is not above "
                           "the bare window's (${bare_peak} MiB).")
    endif()
endforeach()

# What a session or a window does only the first time has a row of its own.
foreach(row IN ITEMS "The first \"Load ROM\" of a window" "Opening the first chart of a session")
    string(FIND "${output}" "${row}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "No row for: ${row}")
    endif()
endforeach()
