// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <span>
#include <string_view>

namespace selmak::win32 {

// Stops the program with a message when a name the window binds is not in its layout: found by
// that name, the control would be a null handle, which Win32 calls quietly ignore.
void requireControls(const forms::WindowLayout &layout, std::span<const std::string_view> names);

} // namespace selmak::win32
