# Placeholder until the label data lands.
function(mobwright_embed_labels target)
endfunction()
