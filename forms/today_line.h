// SPDX-License-Identifier: MIT
#pragma once

#include "core/order.h"

#include <string>

namespace selmak::forms {

// What the find window says under "Сегодня выпускаются:" for a step: each maker's model of today,
// in the catalogue's column order, as "brand model" pairs (a model whose rating is not published
// or whose range is discontinued marked so), then the makers that have none; for a hit with no
// step (kNoStep), that it has none. For a hit read as a whole order code, each maker's whole code
// for the same coil and contacts instead ("brand code"), then the models whose code no sourced
// rule writes, after "код катушки уточните у производителя:".
std::string todayLine(int step, const Order *order = nullptr);

} // namespace selmak::forms
