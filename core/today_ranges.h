// SPDX-License-Identifier: MIT
#pragma once

#include "core/today_data.h"

#include <span>
#include <string_view>
#include <vector>

namespace selmak {

// The steps a frame of this AC-3 power at 400 V stands in: those of the largest step power (the
// catalogue's column 1) that the frame reaches. 11 kW stands in both steps of 11 kW (4 and 5),
// anything above 250 kW in step 19, and anything below 4 kW in none.
std::vector<int> stepsOfPower(double power);

// The model of today that a maker's column offers for a step: the smallest frame sold today (by
// AC-3 power at 400 V, then current) that reaches the step's power. None when no frame does.
const TodayFrame *todayFrame(Column maker, int step);

// The same rule over any frames, for the table above and for tests.
const TodayFrame *smallestReaching(std::span<const TodayFrame> frames, Column maker, int step);

// The same as text, "---" when there is none, as the catalogue writes a missing model.
std::string_view todayModel(Column maker, int step);

} // namespace selmak
