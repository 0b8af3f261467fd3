# Our own targets build clean with these; JUCE's headers come in as system headers so they stay quiet.
function(tessalin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
endfunction()
