// SPDX-License-Identifier: MIT
#include "ui/win32/about_window.h"

#include "forms/about_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/text.h"

#include <algorithm>

namespace selmak::win32 {
namespace {

// A fixed dialog frame, which shows no icon, with the close box only.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

} // namespace

AboutWindow::AboutWindow(Application &application, Opener opener, const DpiApi &dpiApi)
    : LayoutWindow(forms::aboutLayout(), kStyle, kExStyle, dpiApi),
      m_application(application),
      m_opener(std::move(opener))
{ }

void AboutWindow::load()
{
    create();
    if (handle())
        m_form.Form_Load();
}

void AboutWindow::centreOver(HWND window)
{
    RECT over;
    RECT own;
    GetWindowRect(window, &over);
    GetWindowRect(handle(), &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    const int left = std::clamp((over.left + over.right - width) / 2, work.left,
                                std::max(work.left, work.right - width));
    const int top = std::clamp((over.top + over.bottom - height) / 2, work.top,
                               std::max(work.top, work.bottom - height));
    SetWindowPos(handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// OK by mouse, by Space, by Enter anywhere (IDOK or the default button) and by Esc (IDCANCEL)
// closes the dialog; a click on the link opens the site. A double-click on the link is one click
// and a STN_DBLCLK, which nothing handles.
void AboutWindow::onCommand(std::string_view name, int id, int notification)
{
    if (id == IDOK || id == IDCANCEL || (name == "cmdOK" && notification == BN_CLICKED))
        m_form.cmdOK_Click();
    else if (name == "lblURL" && notification == STN_CLICKED)
        m_form.lblURL_Click();
}

void AboutWindow::onClose()
{
    m_form.cmdOK_Click();
}

void AboutWindow::onDestroyed()
{
    m_application.windowClosed();
}

void AboutWindow::setTitle(std::string_view text)
{
    SetWindowTextW(handle(), widen(text).c_str());
}

void AboutWindow::setLabel(forms::AboutLabel label, std::string_view text)
{
    const HWND target = control(label == forms::AboutLabel::Title ? "lblTitle" : "lblVersion");
    SetWindowTextW(target, widen(text).c_str());
}

void AboutWindow::openAddress(std::string_view address)
{
    m_opener(widen(address));
}

void AboutWindow::closeDialog()
{
    DestroyWindow(handle());
}

} // namespace selmak::win32
