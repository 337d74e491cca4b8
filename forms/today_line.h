// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace selmak::forms {

// What the find window says under "Сегодня выпускаются:" for a step: each maker's model of today,
// in the catalogue's column order, as "brand model" pairs (a model whose rating is not published
// or whose range is discontinued marked so), then the makers that have none; for a hit with no
// step (kNoStep), that it has none.
std::string todayLine(int step);

} // namespace selmak::forms
