// SPDX-License-Identifier: MIT
#pragma once

#include "ui/web/dom.h"

#include <string_view>

namespace selmak::web {

// The message box: a modal <dialog> with the application title, the text and one OK button, which
// the page holds closed (page_markup.h). The page behind it takes no input until it is closed, by
// OK, Enter or Esc.
class WarningDialog
{
public:
    WarningDialog();
    WarningDialog(const WarningDialog &) = delete;
    WarningDialog &operator=(const WarningDialog &) = delete;

    void show(std::string_view text);
    void close();

private:
    val m_dialog;
    val m_text;
    val m_ok;
    Listeners m_listeners;
};

} // namespace selmak::web
