// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

namespace selmak::forms {

// The About dialog's controls, in the order of its table; each is named as its row.
enum class AboutControl { Picture1, lblTitle, lblVersion, lblDescription, lblURL, cmdOK };
template<> inline constexpr std::size_t kControlCount<AboutControl> = 6;

const WindowLayout &aboutLayout();

} // namespace selmak::forms
