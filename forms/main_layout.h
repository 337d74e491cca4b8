// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

namespace selmak::forms {

// The main window: the input on the left, the commands below it, the results on the right.
const WindowLayout &mainLayout();

} // namespace selmak::forms
