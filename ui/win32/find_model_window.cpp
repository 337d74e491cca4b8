// SPDX-License-Identifier: MIT
#include "ui/win32/find_model_window.h"

#include "forms/find_layout.h"
#include "ui/win32/text.h"

namespace selmak::win32 {
namespace {

using forms::FindControl;

// A fixed dialog frame, which shows no icon, with the close box only.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

} // namespace

FindModelWindow::FindModelWindow(forms::MainForm &main, const DpiApi &dpiApi)
    : LayoutWindow(forms::findLayout(), kStyle, kExStyle, dpiApi), m_form(*this, main)
{ }

void FindModelWindow::load(HWND owner)
{
    create(owner);
    if (handle())
        m_form.Form_Load();
}

void FindModelWindow::onEvent(forms::ControlId control, forms::Event event)
{
    forms::dispatch(m_form, forms::FindForm::events(), control, event);
}

// An owned window's end is its own: the program runs on while the main window is open.
void FindModelWindow::onDestroyed() { }

std::string FindModelWindow::modelText() const
{
    const HWND edit = control(FindControl::txtModel);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void FindModelWindow::setHits(std::span<const std::string> lines)
{
    const HWND list = control(FindControl::lstHits);
    // Drawn once, when every line is in.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SendMessageW(list, LB_INITSTORAGE, lines.size(), static_cast<LPARAM>(lines.size() * 64));
    for (const std::string &line : lines)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(line).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void FindModelWindow::selectHit(int index)
{
    SendMessageW(control(FindControl::lstHits), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int FindModelWindow::selectedHit() const
{
    return static_cast<int>(SendMessageW(control(FindControl::lstHits), LB_GETCURSEL, 0, 0));
}

void FindModelWindow::setStatus(std::string_view text)
{
    SetWindowTextW(control(FindControl::lblStatus), widen(text).c_str());
}

void FindModelWindow::setToday(std::string_view text)
{
    SetWindowTextW(control(FindControl::lblTodayModels), widen(text).c_str());
}

void FindModelWindow::closeWindow()
{
    DestroyWindow(handle());
}

} // namespace selmak::win32
