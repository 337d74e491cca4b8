// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace selmak::cli {

// Appends the text as a JSON string: quotes, backslashes and control characters (NUL included)
// escaped, and each byte of invalid UTF-8 replaced by U+FFFD, so that any input gives valid JSON.
void appendJsonString(std::string &out, std::string_view text);

} // namespace selmak::cli
