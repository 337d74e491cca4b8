// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace selmak::web {

// The page the build writes, from the same layout tables and form as the program: what the program
// binds once its wasm has loaded, so that the first paint needs no script.

// Inside the page's <main>: the entries for what the desktop editions reach by shortcut and
// context menu, and the main window as its form leaves it on loading.
std::string pageWindows();
// After the <main>: the message box, closed, and each dialog as a <template> to copy when it opens.
std::string pageDialogs();
// Every window's places and looks (windowStyles).
std::string pageStyles();

} // namespace selmak::web
