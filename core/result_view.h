// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <string_view>

namespace selmak {

// What the selection needs of a window: sixteen result slots, one per catalogue column, and a way
// to warn the user. The window implements it; tests implement it with a recorder.
class ResultView
{
public:
    virtual ~ResultView() = default;

    virtual void setResult(Column column, std::string_view text) = 0;
    // Returns only once the user has seen the warning (a modal box on the window).
    virtual void showWarning(std::string_view text) = 0;

protected:
    ResultView() = default;
    ResultView(const ResultView &) = default;
    ResultView &operator=(const ResultView &) = default;
};

} // namespace selmak
