// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace selmak::cli {

// What some programs write before UTF-8 text to say that it is UTF-8.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the well-formed UTF-8 sequence that starts the text (1 to 4 bytes), or 0 when the
// text starts with a byte that begins none: a stray continuation, an overlong form, a surrogate,
// a code point beyond U+10FFFF or a sequence cut short.
std::size_t sequenceLength(std::string_view text);

// Appends the text with each byte that begins no well-formed sequence replaced by U+FFFD, so that
// whatever was read, what is written is UTF-8.
void appendValid(std::string &out, std::string_view text);

// How many characters a terminal shows for UTF-8 text: its code points, each invalid byte one.
std::size_t displayWidth(std::string_view text);

// The text with ASCII and Cyrillic letters in lower case, for comparing names in any case.
std::string foldCase(std::string_view text);

} // namespace selmak::cli
