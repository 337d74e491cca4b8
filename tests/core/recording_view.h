// SPDX-License-Identifier: MIT
#pragma once

#include "core/catalog.h"
#include "core/result_view.h"

#include <array>
#include <string>
#include <vector>

namespace selmak::test {

// Keeps what the core shows, as a window would.
class RecordingView : public ResultView
{
public:
    void setResult(Column column, std::string_view text) override
    {
        slots.at(static_cast<std::size_t>(columnNumber(column) - 1)) = std::string(text);
        ++writes;
    }
    void showWarning(std::string_view text) override { warnings.emplace_back(text); }

    std::string slot(Column column) const
    {
        return slots.at(static_cast<std::size_t>(columnNumber(column) - 1));
    }

    // Whether the slots hold exactly catalogue row `row`.
    bool showsRow(int row) const
    {
        for (const ColumnInfo &info : kColumns) {
            if (slot(info.column) != Catalog::cell(info.column, row))
                return false;
        }
        return true;
    }

    std::array<std::string, kColumnCount> slots;
    std::vector<std::string> warnings;
    int writes = 0;
};

} // namespace selmak::test
