// SPDX-License-Identifier: MIT
#include "ui/win32/about_window.h"

#include "forms/about_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/bound_controls.h"
#include "ui/win32/text.h"

#include <array>

namespace selmak::win32 {
namespace {

constexpr std::array<std::string_view, 4> kBound { "lblTitle", "lblVersion", "cmdOK", "lblURL" };

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

void AboutWindow::requireBoundControls()
{
    requireControls(forms::aboutLayout(), kBound);
}

void AboutWindow::centreOver(HWND window)
{
    RECT over;
    RECT own;
    GetWindowRect(window, &over);
    GetWindowRect(handle(), &own);
    moveOnto(window, (over.left + over.right - (own.right - own.left)) / 2,
             (over.top + over.bottom - (own.bottom - own.top)) / 2);
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
