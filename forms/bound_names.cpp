// SPDX-License-Identifier: MIT
#include "forms/bound_names.h"

#include <algorithm>

namespace selmak::forms {

std::string unknownNames(const WindowLayout &layout, std::span<const std::string_view> names)
{
    std::string message;
    for (const std::string_view name : names) {
        const bool known = std::any_of(layout.controls.begin(), layout.controls.end(),
                                       [name](const ControlRow &row) { return name == row.name; });
        if (known)
            continue;
        message += message.empty()
            ? "the layout of window " + std::string(layout.name) + " has no control named "
            : ", ";
        message += name;
    }
    return message;
}

} // namespace selmak::forms
