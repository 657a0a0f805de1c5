# The label lists compiled into the model library: the stem of each file under
# data/ and the number of labels, one a line, it must hold.
set(MOBWRIGHT_LABEL_LISTS
    action_labels:319
    type_labels:3
    death_sound_labels:2
    order_labels:4
    item_freq_labels:8
    music_labels:192
    inside_pic_labels:111
    outside_pic_labels:463
    item_labels:256
)

# Splits an entry of MOBWRIGHT_LABEL_LISTS into its file stem and label count.
function(mobwright_split_label_entry entry stem_var count_var)
    if(NOT entry MATCHES "^([a-z_]+):([0-9]+)$")
        message(FATAL_ERROR "Malformed label list entry: ${entry}")
    endif()
    set(${stem_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
    set(${count_var} ${CMAKE_MATCH_2} PARENT_SCOPE)
endfunction()
