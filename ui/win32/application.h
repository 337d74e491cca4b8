// SPDX-License-Identifier: MIT
#pragma once

#include "ui/win32/about_window.h"
#include "ui/win32/file_dialogs.h"
#include "ui/win32/find_model_window.h"
#include "ui/win32/list_window.h"
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
                         const DpiApi &dpiApi = DpiApi::system(),
                         FileDialogs files = standardFileDialogs());
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Makes the main window, runs its Form_Load and shows it with the focus on its first control.
    void start(int show);
    // Runs the message loop until the program ends; returns the exit status.
    int run();
    // What the loop does with a message before it dispatches it: the main window's shortcut keys,
    // then the dialog keys (Tab, the arrows, Enter, Esc) of the window it is for. True when that
    // handled it and it is not to be dispatched.
    bool translate(MSG &message);

    MainWindow &mainWindow() { return m_main; }
    // The open About dialog, or null.
    AboutWindow *aboutWindow();

    // The open find window, or null.
    FindModelWindow *findWindow();
    // The open list window, or null.
    ListWindow *listWindow();

    void showAbout();
    // Opens the find window beside the main window, or brings the open one to the front.
    void showFind();
    // Opens the list window beside the main window, or brings the open one to the front.
    void showList();
    void exit();
    void windowClosed();

private:
    // Shows an owned window beside the main window: made by `make` when none is open, with the
    // focus on its first control as it opens; an open one keeps its own.
    template<typename Window, typename Make>
    void showBeside(std::unique_ptr<Window> &open, std::unique_ptr<Window> &closed, Make make);

    Notifier m_notifier;
    FileDialogs m_files;
    Opener m_opener;
    const DpiApi &m_dpiApi;
    MainWindow m_main;
    std::unique_ptr<AboutWindow> m_about;
    // A closed dialog is kept until the next one replaces it: it is closed from inside its own
    // handlers, which must not outlive their object.
    std::unique_ptr<AboutWindow> m_closedAbout;
    bool m_com = false;
    std::unique_ptr<FindModelWindow> m_find;
    std::unique_ptr<FindModelWindow> m_closedFind; // kept as the closed About dialog is
    std::unique_ptr<ListWindow> m_list;
    std::unique_ptr<ListWindow> m_closedList;
    HACCEL m_shortcuts; // Ctrl+F, F3 and Ctrl+L in the main window
};

} // namespace selmak::win32
