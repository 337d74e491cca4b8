// SPDX-License-Identifier: MIT
#pragma once

namespace selmak::web {

// The application title doubles as the title of its message boxes, as on the desktop.
inline constexpr const char *kApplicationName = "selmak-1";

} // namespace selmak::web
