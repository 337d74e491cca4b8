// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

namespace selmak::win32 {

// Where the list window asks which file to open and where to save, injectable so that tests never
// open a real dialog. Each returns the path chosen, or nothing when the user cancels.
struct FileDialogs
{
    std::function<std::optional<std::wstring>(HWND owner)> openName;
    std::function<std::optional<std::wstring>(HWND owner, std::wstring_view suggested)> saveName;
};

// The system's Open and Save As dialogs (GetOpenFileNameW, GetSaveFileNameW).
FileDialogs standardFileDialogs();

// A whole file's bytes, or nothing where it cannot be read.
std::optional<std::string> readFile(const std::wstring &path);
// Writes the bytes whole or not at all: into a file beside, which then replaces the one named.
bool writeFile(const std::wstring &path, std::string_view bytes);

} // namespace selmak::win32
