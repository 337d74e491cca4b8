// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace selmak {

// What stands for a byte that begins no well-formed UTF-8 sequence.
inline constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

struct Utf8Char
{
    char32_t codePoint; // kInvalidUtf8 for a byte that begins no well-formed sequence
    std::size_t length; // bytes taken: 1 for an invalid byte, so that decoding resumes after it
};

// The character at the front of a non-empty text. A stray continuation byte, a sequence cut
// short, an overlong or surrogate form and anything beyond U+10FFFF are invalid.
Utf8Char decodeUtf8(std::string_view text);

} // namespace selmak

namespace selmak {

// Appends the text with each byte that begins no well-formed sequence made U+FFFD, so that
// whatever was read, what is written is UTF-8.
void appendValid(std::string &out, std::string_view text);

// How many characters a terminal shows for UTF-8 text: its code points, each invalid byte one.
std::size_t displayWidth(std::string_view text);

} // namespace selmak
