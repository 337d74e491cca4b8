// SPDX-License-Identifier: MIT
#include "ui/win32/application.h"

#include <commctrl.h>
#include <iterator>
#include <objbase.h>

namespace selmak::win32 {

Application::Application(Notifier notifier, Opener opener, const DpiApi &dpiApi, FileDialogs files)
    : m_notifier(notifier),
      m_files(std::move(files)),
      m_opener(std::move(opener)),
      m_dpiApi(dpiApi),
      m_main(*this, std::move(notifier), dpiApi)
{
    // The standard controls in their visual style, from common controls 6, and its list view.
    const INITCOMMONCONTROLSEX controls { sizeof(INITCOMMONCONTROLSEX),
                                          ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    // Screen readers reach the controls' names through COM.
    m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    ACCEL shortcuts[] = {
        { FCONTROL | FVIRTKEY, 'F', MainWindow::kFindCommand },
        { FVIRTKEY, VK_F3, MainWindow::kFindCommand },
        { FCONTROL | FVIRTKEY, 'L', MainWindow::kListCommand },
    };
    m_shortcuts = CreateAcceleratorTableW(shortcuts, static_cast<int>(std::size(shortcuts)));
}

Application::~Application()
{
    if (m_com)
        CoUninitialize();
    DestroyAcceleratorTable(m_shortcuts);
}

void Application::start(int show)
{
    m_main.load();
    const HWND window = m_main.handle();
    ShowWindow(window, show);
    UpdateWindow(window);
    SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
}

int Application::run()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (translate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// Tab, the arrow keys, Enter and Esc move between and press the controls of the window the
// message is for.
bool Application::translate(MSG &message)
{
    const HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (!window)
        return false;
    if (window == m_main.handle() && TranslateAcceleratorW(window, m_shortcuts, &message))
        return true;
    return IsDialogMessageW(window, &message);
}

AboutWindow *Application::aboutWindow()
{
    return m_about && m_about->handle() ? m_about.get() : nullptr;
}

void Application::showAbout()
{
    if (!aboutWindow()) {
        m_closedAbout = std::move(m_about);
        m_about = std::make_unique<AboutWindow>(*this, m_opener, m_dpiApi);
        m_about->load();
        m_about->centreOver(m_main.handle());
    }
    const HWND dialog = m_about->handle();
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    SetFocus(GetNextDlgTabItem(dialog, nullptr, FALSE));
}

FindModelWindow *Application::findWindow()
{
    return m_find && m_find->handle() ? m_find.get() : nullptr;
}

template<typename Window, typename Make>
void Application::showBeside(std::unique_ptr<Window> &open, std::unique_ptr<Window> &closed,
                             Make make)
{
    const bool opening = !open || !open->handle();
    if (opening) {
        closed = std::move(open);
        open = make();
        open->load(m_main.handle());
        open->placeBeside(m_main.handle());
    }
    const HWND window = open->handle();
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    if (opening)
        SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
}

// The part-number box takes the focus as the window opens.
void Application::showFind()
{
    showBeside(m_find, m_closedFind,
               [this] { return std::make_unique<FindModelWindow>(m_main.form(), m_dpiApi); });
}

ListWindow *Application::listWindow()
{
    return m_list && m_list->handle() ? m_list.get() : nullptr;
}

// The list's box takes the focus as the window opens.
void Application::showList()
{
    showBeside(m_list, m_closedList,
               [this] { return std::make_unique<ListWindow>(m_notifier, m_files, m_dpiApi); });
}

// Every window closes at once; nothing asks.
void Application::exit()
{
    if (AboutWindow *about = aboutWindow())
        DestroyWindow(about->handle());
    if (m_main.handle())
        DestroyWindow(m_main.handle());
}

void Application::windowClosed()
{
    if (!m_main.handle() && !aboutWindow())
        PostQuitMessage(0);
}

} // namespace selmak::win32
