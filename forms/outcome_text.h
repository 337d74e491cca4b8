// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer.h"

#include <string_view>

namespace selmak::forms {

// What a person reads for an outcome, in the find window's words: the find window, the list
// window and selmak-find's text all say it so. Nothing for Found. A number out of range gets the
// main window's warning for its kind.
std::string_view outcomeText(Outcome outcome, QueryKind kind = QueryKind::Model);

// The word before each maker's model of today.
inline constexpr std::string_view kTodayWord = "сегодня";

} // namespace selmak::forms
