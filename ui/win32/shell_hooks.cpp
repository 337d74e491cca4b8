// SPDX-License-Identifier: MIT
#include "ui/win32/shell_hooks.h"

#include <shellapi.h>
#include <string>

namespace selmak::win32 {

void showWarningBox(HWND owner, std::wstring_view text)
{
    MessageBoxW(owner, std::wstring(text).c_str(), L"selmak-1", MB_OK);
}

void openInBrowser(std::wstring_view address)
{
    ShellExecuteW(nullptr, nullptr, std::wstring(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace selmak::win32
