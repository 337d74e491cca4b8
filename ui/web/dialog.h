// SPDX-License-Identifier: MIT
#pragma once

#include "ui/web/built_window.h"

namespace selmak::web {

// A dialog of the page: a non-modal <dialog>, copied from the page's template of its layout, that
// leaves the page usable. Enter presses its table's default button and Esc and the close box its
// cancel button, as the desktop editions do. Closed, it leaves the page at once; its owner discards
// the object on the next request and builds a new one.
class Dialog : public BuiltWindow
{
public:
    // Adds the dialog to the page, closed.
    Dialog(const forms::WindowLayout &layout, const val &parent);

    bool isOpen() const;
    // Shows the dialog above every other window of the page, with the focus on its first control.
    void raise(int layer);
    void close();

private:
    void press(forms::ControlId button) const;
};

} // namespace selmak::web
