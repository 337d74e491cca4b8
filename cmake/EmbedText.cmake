# SPDX-License-Identifier: MIT
# A text file compiled in as a constant, so that the programs read no file at run time. CMake
# alone does it, whatever the target, so that the native, MinGW-w64 and emscripten builds make it
# alike; it only copies the text: core/data_file.h reads data files at compile time.
#
#   selmak_embed_text(selmak_core ${PROJECT_SOURCE_DIR}/data/today.csv kTodayCsv)
#
# writes <binary dir>/embedded/today_csv.h, which defines selmak::embedded::kTodayCsv as the
# file's text, and lets the target include it as "embedded/today_csv.h". At build time this file
# runs as a script:
#
#   cmake -DINPUT=data/today.csv -DNAME=kTodayCsv -DOUTPUT=today_csv.h -P cmake/EmbedText.cmake

if(CMAKE_SCRIPT_MODE_FILE)
    file(READ "${INPUT}" text)
    # The end of the raw string literal that holds the text.
    if(text MATCHES "\\)text\"")
        message(FATAL_ERROR "${INPUT}: ')text\"' would end the text early: write it otherwise")
    endif()
    get_filename_component(name "${INPUT}" NAME)
    file(WRITE "${OUTPUT}.new" "// SPDX-License-Identifier: MIT
// Made by cmake/EmbedText.cmake from ${name}: edit that.
#pragma once

#include <string_view>

#ifdef __clang__
// The text may be longer than the 65536 characters that every compiler must read in a literal.
#pragma clang diagnostic ignored \"-Woverlength-strings\"
#endif

namespace selmak::embedded {

// An array rather than the literal itself: GCC hashes a whole literal at each compile-time call
// given a view into it, but an array by its name.
inline constexpr char ${NAME}Text[] = R\"text(${text})text\";
inline constexpr std::string_view ${NAME} { ${NAME}Text, sizeof ${NAME}Text - 1 };

} // namespace selmak::embedded
")
    # Only a changed text is compiled again.
    execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.new" "${OUTPUT}")
    file(REMOVE "${OUTPUT}.new")
    return()
endif()

set(SELMAK_EMBED_TEXT_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(selmak_embed_text target input name)
    get_filename_component(stem "${input}" NAME_WE)
    get_filename_component(extension "${input}" LAST_EXT)
    string(SUBSTRING "${extension}" 1 -1 extension)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/embedded)
    set(output ${folder}/${stem}_${extension}.h)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DNAME=${name} -DOUTPUT=${output}
                -P ${SELMAK_EMBED_TEXT_SCRIPT}
        DEPENDS ${input} ${SELMAK_EMBED_TEXT_SCRIPT}
        COMMENT "Embedding ${stem}.${extension}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
