// SPDX-License-Identifier: MIT
#include "ui/win32/about_window.h"

#include "forms/about_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/text.h"

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
    moveOnto(window, (over.left + over.right - (own.right - own.left)) / 2,
             (over.top + over.bottom - (own.bottom - own.top)) / 2);
}

// OK by mouse, by Space, by Enter anywhere and by Esc closes the dialog; a click on the link opens
// the site.
void AboutWindow::onEvent(forms::ControlId control, forms::Event event)
{
    forms::dispatch(m_form, forms::AboutForm::events(), control, event);
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
    using forms::AboutControl;
    const HWND target = control(label == forms::AboutLabel::Title ? AboutControl::lblTitle
                                                                  : AboutControl::lblVersion);
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
