// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

namespace selmak::forms {

// The find window's controls, in the order of its table; each is named as its row.
enum class FindControl {
    lblPrompt,
    txtModel,
    lstHits,
    lblStatus,
    lblToday,
    lblTodayModels,
    cmdShow,
    cmdClose,
};
template<> inline constexpr std::size_t kControlCount<FindControl> = 8;

// The find window: a part number typed in, the catalogue models it names listed below it.
const WindowLayout &findLayout();

} // namespace selmak::forms
