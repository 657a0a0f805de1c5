# Shows that a label file with a line too few or too many stops the build:
# for each list in turn, EmbedLabels.cmake must fail on a copy of data/ with
# that file so changed, naming the file. The untouched copy must compile, or
# those failures would prove nothing.
# Usage: cmake -DROOT=<source dir> -DWORK_DIR=<scratch dir> -P CheckLabelCountGuard.cmake
include(${CMAKE_CURRENT_LIST_DIR}/LabelLists.cmake)

if(NOT ROOT OR NOT WORK_DIR)
    message(FATAL_ERROR "Usage: cmake -DROOT=<dir> -DWORK_DIR=<dir> -P CheckLabelCountGuard.cmake")
endif()

function(copy_data)
    file(REMOVE_RECURSE ${WORK_DIR})
    file(COPY ${ROOT}/data DESTINATION ${WORK_DIR})
endfunction()

# Runs the generator on the copy; sets result_var to its exit code and
# output_var to all it printed.
function(generate_from_copy result_var output_var)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -DROOT=${WORK_DIR} -DOUT_DIR=${WORK_DIR}/out
                -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedLabels.cmake
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output
    )
    set(${result_var} ${result} PARENT_SCOPE)
    set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

function(expect_rejected stem text message)
    copy_data()
    file(WRITE ${WORK_DIR}/data/${stem}.txt "${text}")
    generate_from_copy(result output)
    # CMake wraps long error messages.
    string(REGEX REPLACE "[ \n]+" " " output "${output}")
    string(FIND "${output}" "${message}" found)
    if(result EQUAL 0 OR found EQUAL -1)
        message(SEND_ERROR "Expected the generator to fail with \"${message}\", "
                           "got exit code ${result} and:\n${output}")
    endif()
endfunction()

function(expect_accepted)
    copy_data()
    generate_from_copy(result output)
    if(NOT result EQUAL 0 OR NOT EXISTS ${WORK_DIR}/out/LabelData.cpp)
        message(SEND_ERROR "The generator failed on intact data:\n${output}")
    endif()
endfunction()

expect_accepted()
foreach(entry IN LISTS MOBWRIGHT_LABEL_LISTS)
    mobwright_split_label_entry(${entry} stem count)
    file(READ ${ROOT}/data/${stem}.txt original)
    string(REGEX REPLACE "[^\n]*\n$" "" last_line_dropped "${original}")
    math(EXPR fewer "${count} - 1")
    math(EXPR more "${count} + 1")
    expect_rejected(${stem} "${last_line_dropped}" "data/${stem}.txt: ${fewer} labels, ${count} expected")
    expect_rejected(${stem} "${original}Extra\n" "data/${stem}.txt: ${more} labels, ${count} expected")
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
