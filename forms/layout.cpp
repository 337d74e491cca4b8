// SPDX-License-Identifier: MIT
#include "forms/layout.h"

#include <algorithm>

namespace selmak::forms {
namespace {

std::optional<ControlId> firstRow(const WindowLayout &layout, bool ControlRow::*mark)
{
    const auto found = std::find_if(layout.controls.begin(), layout.controls.end(),
                                    [mark](const ControlRow &row) { return row.*mark; });
    if (found == layout.controls.end())
        return std::nullopt;
    return found->id;
}

} // namespace

std::optional<ControlId> defaultButton(const WindowLayout &layout)
{
    return firstRow(layout, &ControlRow::isDefault);
}

std::optional<ControlId> cancelButton(const WindowLayout &layout)
{
    return firstRow(layout, &ControlRow::isCancel);
}

} // namespace selmak::forms
