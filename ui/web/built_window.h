// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"
#include "ui/web/dom.h"

#include <string_view>
#include <utility>
#include <vector>

namespace selmak::web {

// A window of the page bound to its layout table: the frame that the build wrote from the table
// (writeWindow), with a caption bar and a client area that holds every control of the table, in the
// table's order, named by data-name. The main window stands in the page; a dialog is copied from
// its template each time it opens.
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

    const val &frame() const { return m_frame; }
    void setCaption(std::string_view text);
    // A dialog's close box in its caption bar: for the mouse and the finger; the keyboard has Esc.
    val closeBox() const;

    // The control of that name; a name the table lacks stops the program with a message (the page
    // checks every name it binds at start: requireBoundControls).
    val control(std::string_view name) const;

    // Gives the focus to the first control in tab order that can take it.
    void focusFirst() const;
    // Moves the focus by Tab and Shift+Tab in the designed order, not the order the controls
    // stand in the page. A dialog keeps the focus within itself, as its own window would; the main
    // window hands it on to the page before its first and after its last control, so that the
    // page's entries stay in reach of the keyboard, and the Tab key comes back in at the first.
    void keepTabOrder(Listeners &listeners, bool wrap) const;

private:
    std::vector<val> focusable() const;
    // Only one control of the window is a stop of the page's own tab sequence: where the Tab key
    // comes in.
    void setEntry(const val &entry) const;
    void leave(bool backwards) const;

    const forms::WindowLayout &m_layout;
    val m_frame;
    val m_captionBar;
    val m_caption;
    val m_client;
    std::vector<std::pair<std::string_view, val>> m_controls;
};

} // namespace selmak::web
