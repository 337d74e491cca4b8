// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

class QWidget;

namespace selmak::forms {
struct WindowLayout;
}

namespace selmak::ui {

// Lays the window out as the layout describes it: title, fixed size, font, colours, every control
// in its starting state, the frame lines and the tab order. Controls are found by objectName.
void buildWindow(QWidget *window, const forms::WindowLayout &layout);

// Stops the program with a message when a name the window binds is not in its layout: found by
// that name, the control would be null.
void requireControls(const forms::WindowLayout &layout, std::span<const std::string_view> names);

} // namespace selmak::ui
