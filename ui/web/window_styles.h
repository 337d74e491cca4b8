// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <string>

namespace selmak::web {

// The style sheet rules that put a window's controls at their places, 15 twips to a CSS pixel,
// with their fonts and colours, as custom properties (--left, --top, --width, --height, --text,
// --background, --font-*, and --order, the row's place in the table) that the page's own style
// sheet reads: so that it can arrange the same controls otherwise on a narrow screen. For the
// markup that writeWindow writes.
std::string windowStyles(const forms::WindowLayout &layout);

// A length in CSS pixels, as the style sheets write it: "12px".
std::string pixels(int value);

} // namespace selmak::web
