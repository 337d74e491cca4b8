// SPDX-License-Identifier: MIT
#pragma once

#include "ui/win32/about_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/shell_hooks.h"

#include <memory>
#include <windows.h>

namespace selmak::win32 {

// The program's windows and its run: the main window, at most one About dialog, and the end of
// the run when the last window closes or the exit button is pressed.
class Application
{
public:
    explicit Application(Notifier notifier = showWarningBox, Opener opener = openInBrowser,
                         const DpiApi &dpiApi = DpiApi::system());
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Makes the main window, runs its Form_Load and shows it with the focus on its first control.
    void start(int show);
    // Runs the message loop until the program ends; returns the exit status.
    int run();

    MainWindow &mainWindow() { return m_main; }
    // The open About dialog, or null.
    AboutWindow *aboutWindow();

    void showAbout();
    void exit();
    void windowClosed();

private:
    Opener m_opener;
    const DpiApi &m_dpiApi;
    MainWindow m_main;
    std::unique_ptr<AboutWindow> m_about;
    // A closed dialog is kept until the next one replaces it: it is closed from inside its own
    // handlers, which must not outlive their object.
    std::unique_ptr<AboutWindow> m_closedAbout;
    bool m_com = false;
};

} // namespace selmak::win32
