include(${CMAKE_CURRENT_LIST_DIR}/LabelLists.cmake)

# Compiles the label lists under data/ into target as a generated
# LabelData.h / LabelData.cpp pair, regenerated when a data file changes.
# A data file with the wrong number of labels fails the build.
function(mobwright_embed_labels target)
    set(generator ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedLabels.cmake)
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/label_data)
    set(outputs ${out_dir}/LabelData.h ${out_dir}/LabelData.cpp)
    set(data_files)
    foreach(entry IN LISTS MOBWRIGHT_LABEL_LISTS)
        mobwright_split_label_entry(${entry} stem count)
        list(APPEND data_files ${PROJECT_SOURCE_DIR}/data/${stem}.txt)
    endforeach()

    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DOUT_DIR=${out_dir}
                -P ${generator}
        DEPENDS ${generator} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/LabelLists.cmake ${data_files}
        COMMENT "Compiling the label lists under data/"
        VERBATIM
    )
    target_sources(${target} PRIVATE ${outputs})
    target_include_directories(${target} PUBLIC ${out_dir})
endfunction()
