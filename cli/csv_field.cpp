// SPDX-License-Identifier: MIT
#include "cli/csv_field.h"

#include "cli/utf8.h"

namespace selmak::cli {

void appendCsvField(std::string &out, std::string_view field, char separator)
{
    const char special[] = { separator, '"', '\r', '\n' };
    if (field.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) {
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
