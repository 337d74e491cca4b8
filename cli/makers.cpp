// SPDX-License-Identifier: MIT
#include "cli/makers.h"

#include "cli/utf8.h"

namespace selmak::cli {

std::vector<Column> allMakers()
{
    std::vector<Column> makers;
    for (const ColumnInfo &info : kColumns) {
        if (isMaker(info.column))
            makers.push_back(info.column);
    }
    return makers;
}

std::optional<Column> makerNamed(std::string_view name)
{
    const std::string folded = foldCase(name);
    for (const ColumnInfo &info : kColumns) {
        if (isMaker(info.column) && foldCase(info.heading) == folded)
            return info.column;
    }
    return std::nullopt;
}

} // namespace selmak::cli
