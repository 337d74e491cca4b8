// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <QWidget>

#include <vector>

namespace selmak::ui {

// The controls of a window built from its layout table, each found by its id.
class Controls
{
public:
    Controls() = default;
    explicit Controls(std::vector<QWidget *> widgets) : m_widgets(std::move(widgets)) { }

    QWidget *operator[](forms::ControlId id) const { return m_widgets[id.index]; }
    // The control as the class its row's kind makes: QLabel, QLineEdit, QPushButton, ...
    template<typename T> T *as(forms::ControlId id) const
    {
        Q_ASSERT(qobject_cast<T *>(m_widgets[id.index]));
        return static_cast<T *>(m_widgets[id.index]);
    }

private:
    std::vector<QWidget *> m_widgets; // in table order
};

// Lays the window out as the layout describes it: title, fixed size, font, colours, every control
// in its starting state, the frame lines and the tab order. Each control's objectName is its row's
// name, for whatever finds it from outside (tests, screen readers' tools).
Controls buildWindow(QWidget *window, const forms::WindowLayout &layout);

} // namespace selmak::ui
