// SPDX-License-Identifier: MIT
#include "cli/makers.h"

#include "core/model_key.h"
#include "core/today_data.h"

#include <algorithm>

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

std::vector<Column> makersNamed(std::string_view name)
{
    const std::string key = modelKey(name);
    if (key.empty())
        return {};
    for (const ColumnInfo &info : kColumns) {
        if (isMaker(info.column) && modelKey(info.heading) == key)
            return { info.column };
    }
    std::vector<Column> makers;
    for (const TodayFrame &frame : todayFrames()) {
        if (frame.kind == FrameKind::Today && modelKey(frame.brand) == key
            && std::find(makers.begin(), makers.end(), frame.column) == makers.end())
            makers.push_back(frame.column);
    }
    std::sort(makers.begin(), makers.end());
    return makers;
}

} // namespace selmak::cli
