// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/window_layout.h"

namespace selmak::ui {

const WindowLayout &aboutLayout();

} // namespace selmak::ui
