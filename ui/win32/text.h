// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace selmak::win32 {

// The layout and the forms speak UTF-8; Windows' W functions speak UTF-16.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace selmak::win32
