// SPDX-License-Identifier: MIT
#pragma once

class QFont;
class QWidget;

namespace selmak::ui {

struct FontStyle;
struct ControlRow;
struct WindowLayout;

QFont toFont(const FontStyle &row);

// Lays the window out as the layout describes it: title, fixed size, font, colours, every control
// in its starting state, the frame lines and the tab order. Controls are found by objectName.
void buildWindow(QWidget *window, const WindowLayout &layout);

} // namespace selmak::ui
