// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"
#include "forms/layout.h"
#include "ui/web/dom.h"
#include "ui/web/list_box.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace selmak::web {

// A window of the page bound to its layout table: the frame that the build wrote from the table
// (writeWindow), with a caption bar and a client area that holds every control of the table, in
// the page's order (pageOrder), named by data-name. The main window stands in the page; a dialog is
// copied from its template each time it opens.
class BuiltWindow
{
public:
    // The frame must hold the table's controls; one missing or out of place stops the program with
    // a message: the page and the wasm come from different builds.
    BuiltWindow(const forms::WindowLayout &layout, val frame);
    BuiltWindow(const BuiltWindow &) = delete;
    BuiltWindow &operator=(const BuiltWindow &) = delete;
    ~BuiltWindow();

    // The window the page holds, by the table's name.
    static val inPage(const forms::WindowLayout &layout);
    // A new copy of the dialog the page holds as a template, not yet in the page.
    static val fromTemplate(const forms::WindowLayout &layout);

    const forms::WindowLayout &layout() const { return m_layout; }
    const val &frame() const { return m_frame; }
    void setCaption(std::string_view text);
    // A dialog's close box in its caption bar: for the mouse and the finger; the keyboard has Esc.
    val closeBox() const;

    const val &control(forms::ControlId id) const { return m_controls[id.index]; }
    // The list box that a List row of the table is.
    ListBox &listBox(forms::ControlId id) const;
    // The handlers that go with the window.
    Listeners &listeners() { return m_listeners; }

    // Runs `run` on the page's event that is the event of that control: a button's or a hot spot's
    // click, an option's or a drop-down's change (by the mouse or the keys), a text box's input, a
    // list box's selection or double-click.
    void listen(forms::ControlId id, forms::Event event, std::function<void()> run);
    // Binds every event of the form's table to its handler.
    template<typename Form> void bind(Form &form)
    {
        for (const forms::EventRow<Form> &row : Form::events())
            listen(row.control, row.event, [&form, handler = row.handler] { (form.*handler)(); });
    }

    // Gives the focus to the first control in tab order that can take it. The browser's own Tab key
    // goes on from there in the designed order, in which the page holds the controls.
    void focusFirst() const;

private:
    const forms::WindowLayout &m_layout;
    val m_frame;
    val m_captionBar;
    val m_caption;
    std::vector<val> m_controls; // in table order
    std::vector<std::unique_ptr<ListBox>> m_lists; // in table order; null but for List rows
    Listeners m_listeners;
};

} // namespace selmak::web
