// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <windows.h>

namespace selmak::win32 {

// Gives a control the name that screen readers announce, where its caption says nothing (an
// option whose caption lies beyond its width) or nothing at all (a text box named by the label
// above it). The control answers Active Accessibility's WM_GETOBJECT with the system's own object
// for it, renamed; its role, state, value and actions stay the system's. The name goes with the
// control.
void nameForScreenReaders(HWND control, std::wstring_view name);

} // namespace selmak::win32
