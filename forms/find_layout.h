// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

namespace selmak::forms {

// The find window: a part number typed in, the catalogue models it names listed below it.
const WindowLayout &findLayout();

} // namespace selmak::forms
