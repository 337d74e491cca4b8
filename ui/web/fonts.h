// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace selmak::web {

// A CSS font-family list for a face the windows name: the face itself where the system has it,
// then a face with the same metrics, then the generic family.
std::string fontFamily(const char *face);

} // namespace selmak::web
