// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <string_view>
#include <vector>

namespace selmak::cli {

// The fourteen makers in catalogue order.
std::vector<Column> allMakers();

// The maker columns a name stands for, compared as model codes are (core/model_key.h), so that
// case, blanks, hyphens and Cyrillic or Latin letters do not matter ("иэк" and "IEK" are "ИЭК"):
// the column the window captions so, or else every column whose range of today the brand sells
// (data/today.csv: "Eaton" is Moeller, "Schneider Electric" Telemecanique). None for a name that
// is neither.
std::vector<Column> makersNamed(std::string_view name);

} // namespace selmak::cli
