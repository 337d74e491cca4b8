// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"
#include "ui/qt/control_builder.h"

#include <functional>

class QObject;

namespace selmak::ui {

// Runs `run` on the Qt signal that is the event of a control of that kind: a button's or a hot
// spot's click, an option's turning on (by the mouse or the arrow keys), a text box's change, a
// list's or a drop-down's change of its current line or a double-click on a list's line.
// `context` ends the connection.
void onEvent(QWidget *control, forms::ControlKind kind, forms::Event event, QObject *context,
             std::function<void()> run);

// Binds every event of the form's table to its handler.
template<typename Form>
void bindEvents(Form &form, const forms::WindowLayout &layout, const Controls &controls,
                QObject *context)
{
    for (const forms::EventRow<Form> &row : Form::events()) {
        onEvent(controls[row.control], forms::rowOf(layout, row.control).kind, row.event, context,
                [&form, handler = row.handler] { (form.*handler)(); });
    }
}

} // namespace selmak::ui
