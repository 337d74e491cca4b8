// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"
#include "core/named.h"
#include "core/today_data.h"

#include <array>
#include <optional>
#include <string_view>

namespace selmak {

// The rows of data/sources.csv and data/today.csv as their texts, before the build checks them
// and makes them into the tables of core/today_data.h (data/README.md says what each column
// means).

struct SourceRow
{
    static constexpr std::string_view kPath = "data/sources.csv";
    static constexpr std::string_view kHeader = "id,maker,title,edition,address";

    std::string_view id;
    std::string_view maker;
    std::string_view title;
    std::string_view edition;
    std::string_view address;
    int line;
};

struct TodayRow
{
    static constexpr std::string_view kPath = "data/today.csv";
    static constexpr std::string_view kHeader = "column,brand,range,kind,model,kw,a,source";

    std::string_view column;
    std::string_view brand;
    std::string_view range;
    std::string_view kind;
    std::string_view model;
    std::string_view kw;
    std::string_view a;
    std::string_view source;
    int line;
};

// The maker's column that the window captions so ("Siemens", "Alien Bradey", "ИЭК").
constexpr std::optional<Column> makerCaptioned(std::string_view caption)
{
    for (const ColumnInfo &info : kColumns) {
        if (isMaker(info.column) && info.heading == caption)
            return info.column;
    }
    return std::nullopt;
}

constexpr std::optional<FrameKind> frameKindNamed(std::string_view kind)
{
    constexpr std::array<Named<FrameKind>, 3> kKinds { {
        { "today", FrameKind::Today },
        { "discontinued", FrameKind::Discontinued },
        { "series", FrameKind::Series },
    } };
    return valueNamed(kKinds, kind);
}

} // namespace selmak
