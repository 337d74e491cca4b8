// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <algorithm>
#include <vector>

namespace selmak::web {

// The order in which the page holds a window's controls: those of the tab order first, in that
// order, so that the browser's own Tab key follows it; then the others in the table's order. Where
// the controls stand is the style sheet's, whatever their order in the page.
inline std::vector<forms::ControlId> pageOrder(const forms::WindowLayout &layout)
{
    std::vector<forms::ControlId> order(layout.tabOrder.begin(), layout.tabOrder.end());
    for (const forms::ControlRow &row : layout.controls) {
        if (std::find(layout.tabOrder.begin(), layout.tabOrder.end(), row.id)
            == layout.tabOrder.end())
            order.push_back(row.id);
    }
    return order;
}

} // namespace selmak::web
