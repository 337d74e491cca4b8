// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace selmak {

struct Rating;

// What one selection decides, for the caller to show: the step first, then the warning.
struct Selected
{
    float value; // what the text reads as, in single precision
    std::optional<int> step; // none when the value fits no class: the step on show stays
    std::optional<std::string_view> warning; // when the value lies outside the permitted range
};

// Reads a typed power or current leniently, rounds it to single precision and classifies it.
Selected select(const Rating &rating, std::string_view text);

} // namespace selmak
