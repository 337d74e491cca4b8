// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

namespace selmak::forms {

const WindowLayout &aboutLayout();

} // namespace selmak::forms
