// SPDX-License-Identifier: MIT
#include "ui/win32/application.h"

#include <commctrl.h>
#include <objbase.h>

namespace selmak::win32 {

Application::Application(Notifier notifier, Opener opener, const DpiApi &dpiApi)
    : m_opener(std::move(opener)), m_dpiApi(dpiApi), m_main(*this, std::move(notifier), dpiApi)
{
    // The standard controls in their visual style, from common controls 6.
    const INITCOMMONCONTROLSEX controls { sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES };
    InitCommonControlsEx(&controls);
    // Screen readers reach the controls' names through COM.
    m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

Application::~Application()
{
    if (m_com)
        CoUninitialize();
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
        // Tab, the arrow keys, Enter and Esc move between and press the controls of the window
        // the message is for.
        const HWND window = GetAncestor(message.hwnd, GA_ROOT);
        if (window && IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
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
