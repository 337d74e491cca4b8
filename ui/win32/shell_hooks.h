// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>
#include <windows.h>

namespace selmak::win32 {

// The two calls that leave the program's windows, injectable so that tests never open a modal box
// or a browser.

// Shows a warning modal on the owner window and returns once the user has closed it.
using Notifier = std::function<void(HWND owner, std::wstring_view text)>;
// Hands a web address to the user's browser; nothing waits and nothing is reported.
using Opener = std::function<void(std::wstring_view address)>;

// A message box titled "selmak-1" with one OK button and no icon.
void showWarningBox(HWND owner, std::wstring_view text);
// The shell's default action for the address, in a normal window.
void openInBrowser(std::wstring_view address);

} // namespace selmak::win32
