// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace selmak::cli {

// Appends a field as RFC 4180 writes it: in double quotes, with each quote doubled, when it holds
// the separator, a quote or a line break; as it is otherwise. Invalid UTF-8 becomes U+FFFD.
void appendCsvField(std::string &out, std::string_view field, char separator);

} // namespace selmak::cli
