// SPDX-License-Identifier: MIT
#include "cli/csv_field.h"

#include "cli/utf8.h"

#include <algorithm>

namespace selmak::cli {

void appendCsvField(std::string &out, std::string_view field, char separator)
{
    // A loop, not find_first_of, which searches the set once for every character of the field.
    const bool plain = std::none_of(field.begin(), field.end(), [separator](char c) {
        return c == separator || c == '"' || c == '\r' || c == '\n';
    });
    if (plain) {
        appendValid(out, field);
        return;
    }
    out.push_back('"');
    for (std::size_t quote; (quote = field.find('"')) != std::string_view::npos;) {
        appendValid(out, field.substr(0, quote + 1));
        out.push_back('"');
        field.remove_prefix(quote + 1);
    }
    appendValid(out, field);
    out.push_back('"');
}

} // namespace selmak::cli
