// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace selmak {

// The catalogue's columns, counted from 1 as the catalogue counts them. Each column has one
// result label on the main window; this enum is the one place that pairs them.
enum class Column : int {
    Power = 1,
    Danfoss,
    Elester,
    Aeg,
    GeAeg,
    Ge,
    Abb,
    Telemecanique,
    Lovato,
    Siemens,
    Moeller,
    Schrack,
    AlienBradey,
    Current,
    Iek,
    Asko,
};

inline constexpr int kColumnCount = 16;

struct ColumnInfo
{
    Column column;
    std::string_view resultLabel; // objectName of the label that shows the column
    std::string_view heading; // what the label beside it says: the maker, or the quantity
};

// In column order; kColumns[c - 1] describes column c.
inline constexpr std::array<ColumnInfo, kColumnCount> kColumns { {
    { Column::Power, "lblPower", "Мощность (AC-3), кВт" },
    { Column::Danfoss, "lblDanfoss", "Danfoss" },
    { Column::Elester, "lblElester", "Elester" },
    { Column::Aeg, "lblAEG", "AEG" },
    { Column::GeAeg, "lblGE_AEG", "GE-AEG" },
    { Column::Ge, "lblGE", "GE" },
    { Column::Abb, "lblABB", "ABB" },
    { Column::Telemecanique, "lblTelemecan", "Telemecanique" },
    { Column::Lovato, "lblLovato", "Lovato" },
    { Column::Siemens, "lblSiemens", "Siemens" },
    { Column::Moeller, "lblMoeller", "Moeller" },
    { Column::Schrack, "lblSchrack", "Schrack" },
    { Column::AlienBradey, "lblAlien_Brad", "Alien Bradey" },
    { Column::Current, "lblCurrent", "Сила тока (AC-3), А" },
    { Column::Iek, "lblIEK", "ИЭК" },
    { Column::Asko, "lblASKO", "АСКО" },
} };

constexpr int columnNumber(Column column)
{
    return static_cast<int>(column);
}

// The fourteen columns that name a maker's model; the other two are the ratings.
constexpr bool isMaker(Column column)
{
    return column != Column::Power && column != Column::Current;
}

constexpr const ColumnInfo &columnInfo(Column column)
{
    return kColumns[static_cast<std::size_t>(columnNumber(column) - 1)];
}

static_assert(
    [] {
        for (int c = 1; c <= kColumnCount; ++c) {
            if (columnNumber(kColumns[static_cast<std::size_t>(c - 1)].column) != c)
                return false;
        }
        return true;
    }(),
    "kColumns must list the columns in order");

} // namespace selmak
