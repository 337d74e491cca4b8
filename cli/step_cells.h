// SPDX-License-Identifier: MIT
#pragma once

#include "core/catalog.h"

#include <array>
#include <string>
#include <string_view>

namespace selmak::cli {

// What the catalogue says of a step in one column; a step's row is always there.
inline std::string_view stepCell(Column column, int step)
{
    return Catalog::cell(column, step).value_or(std::string_view {});
}

// Text made once for each step, so that a record costs no more than copying it.
using PerStep = std::array<std::string, Catalog::kLastStep + 1>;

} // namespace selmak::cli
