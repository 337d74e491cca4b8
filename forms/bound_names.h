// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <span>
#include <string>
#include <string_view>

namespace selmak::forms {

// Front-ends find their controls by the names of the layout's rows; a name that no row has would
// give them nothing to bind, and the toolkit would quietly ignore what is done to nothing. Each
// front-end checks the names it binds once, at start: empty when the layout has every one, else a
// message that names the window and each name it lacks.
std::string unknownNames(const WindowLayout &layout, std::span<const std::string_view> names);

} // namespace selmak::forms
