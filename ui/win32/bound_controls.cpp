// SPDX-License-Identifier: MIT
#include "ui/win32/bound_controls.h"

#include "forms/bound_names.h"
#include "ui/win32/text.h"

#include <windows.h>

namespace selmak::win32 {

void requireControls(const forms::WindowLayout &layout, std::span<const std::string_view> names)
{
    const std::string unknown = forms::unknownNames(layout, names);
    if (!unknown.empty())
        FatalAppExitW(0, widen(unknown).c_str());
}

} // namespace selmak::win32
