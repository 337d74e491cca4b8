// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer.h"

#include <string>

namespace selmak::forms {

// A hit as one line of the find window's list. A catalogue model gives its maker's caption, the
// model and the step with the step's ratings, "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт,
// 15.2 А"; a frame gives its brand, model, range and whether it is sold today or a frame of the
// catalogue's series, with its own rating: "Siemens  3RT2026 (SIRIUS 3RT2, сегодня)  —  ступень 4:
// 11 кВт, 25 А". A frame with no step, or with no power published, says so instead of a step.
// A hit read from a whole order code (an `order`) goes on to say the coil and contacts read:
// "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А; катушка ~220 В 50/60 Гц, 1НО+1НЗ".
std::string hitLine(const ModelHit &hit, const Order *order = nullptr);

} // namespace selmak::forms
