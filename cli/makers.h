// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <optional>
#include <string_view>
#include <vector>

namespace selmak::cli {

// The fourteen makers in catalogue order.
std::vector<Column> allMakers();

// The maker a name stands for, as the window captions it, in any case ("иэк" is "ИЭК").
std::optional<Column> makerNamed(std::string_view name);

} // namespace selmak::cli
