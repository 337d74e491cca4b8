// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <optional>
#include <string_view>

namespace selmak {

// The contactor catalogue: for each size step, the rated power and current in AC-3 and the model
// that each maker offers. Rows 1 to 19 are the size steps; row 20 is a spare that is never shown.
// The texts are shown as they stand and never parsed: the classification has limits of its own.
class Catalog
{
public:
    static constexpr int kRows = 20;
    static constexpr int kFirstStep = 1;
    static constexpr int kLastStep = 19;

    // The text at (column, row), both counted from 1; nothing for a row outside 1..20.
    static std::optional<std::string_view> cell(Column column, int row) noexcept;
};

} // namespace selmak
