// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <span>

namespace selmak::forms {

// What a person does to a control, as the forms name their handlers (control_Event). Click on a
// list box or a drop-down list is a change of its selection, by the mouse or the keys.
enum class Event {
    Click,
    DblClick,
    Change, // a text box's text changed
};

// One line of a window's event table: which event of which control runs which handler of the
// window's form. Each form owns its table (Form::events()); each front-end maps its toolkit's
// signals onto (control, event) once, for every window alike.
template<typename Form> struct EventRow
{
    ControlId control;
    Event event;
    void (Form::*handler)();
};

// Runs the handler that the table gives the event; an event the table does not name does nothing.
template<typename Form>
void dispatch(Form &form, std::span<const EventRow<Form>> table, ControlId control, Event event)
{
    for (const EventRow<Form> &row : table) {
        if (row.control == control && row.event == event)
            (form.*row.handler)();
    }
}

// Whether a control of that kind raises that event in every front-end.
constexpr bool raises(ControlKind kind, Event event)
{
    switch (kind) {
    case ControlKind::HotSpot:
    case ControlKind::Option:
    case ControlKind::Button:
        return event == Event::Click;
    case ControlKind::TextBox:
    case ControlKind::TextArea:
        return event == Event::Change;
    case ControlKind::DropDown:
        return event == Event::Click;
    case ControlKind::List:
        return event == Event::Click || event == Event::DblClick;
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Table:
        break;
    }
    return false;
}

} // namespace selmak::forms
