// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace selmak::cli {

inline constexpr std::string_view kVersion = "selmak-find 1.00\n";

// The usage text, in Russian when the locale of messages is Russian, in English otherwise.
std::string_view helpText();

} // namespace selmak::cli
