// SPDX-License-Identifier: MIT
#pragma once

#include "core/model_finder.h"

#include <string>

namespace selmak::forms {

// A hit as one line of the find window's list: the maker, the catalogue's model and the step
// with its ratings, "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А".
std::string hitLine(const ModelHit &hit);

} // namespace selmak::forms
