// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace selmak::forms {
struct WindowLayout;
}

namespace selmak::ui {

// Lays the window out as the layout describes it: title, fixed size, font, colours, every control
// in its starting state, the frame lines and the tab order. Controls are found by objectName.
void buildWindow(QWidget *window, const forms::WindowLayout &layout);

} // namespace selmak::ui
