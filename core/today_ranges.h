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
// - It never passes over a frame listed without its rating (neither figure published): such a
//   frame's rating lies above the rated frame its range lists before it (data/today.csv lists a
//   range smallest first) and at most at the next larger rated frame of the column, whatever its
//   range; a step between the two names the first such frame, whose rating is then not confirmed
//   (isRated() is false), rather than an oversized one. A step of exactly the larger frame's
//   power names that frame: it is the step's own size, and 3RT2024 (5.5 kW) stays the answer at
//   5.5 kW though 3RT2017 is listed unrated before it. A frame first in its range is bounded by
//   the rated frame after it there. A frame that nothing bounds from above stands at no step.
// - A discontinued range stands in only where no range of today has a frame that reaches the
//   step: its successor's frames come first, and it fills the steps they are not listed for.
const TodayFrame *todayFrame(Column maker, int step);

// The same rule over any frames, for the table above and for tests.
const TodayFrame *smallestReaching(std::span<const TodayFrame> frames, Column maker, int step);

// The same as text, "---" when there is none, as the catalogue writes a missing model.
std::string_view todayModel(Column maker, int step);

} // namespace selmak
