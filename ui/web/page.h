// SPDX-License-Identifier: MIT
#pragma once

#include "ui/web/dom.h"
#include "ui/web/main_window.h"

namespace selmak::web {

// The page around the window: visible entries for what the desktop editions reach by shortcut
// and context menu (the browser keeps Ctrl+F and the right button for itself), the main window,
// and the service worker that keeps the page's files for the next visit offline. The build wrote
// all of it into the page (page_markup.h); the page takes no input until this has bound it.
class Page
{
public:
    Page();
    Page(const Page &) = delete;
    Page &operator=(const Page &) = delete;

private:
    val m_app;
    MainWindow m_main;
    Listeners m_listeners;
};

} // namespace selmak::web
