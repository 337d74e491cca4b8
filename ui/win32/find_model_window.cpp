// SPDX-License-Identifier: MIT
#include "ui/win32/find_model_window.h"

#include "forms/find_layout.h"
#include "ui/win32/bound_controls.h"
#include "ui/win32/text.h"

#include <array>

namespace selmak::win32 {
namespace {

using forms::FindForm;

// Which control's which notification runs which handler. Esc reaches "Закрыть" as its click.
struct Handler
{
    std::string_view control;
    int notification;
    void (FindForm::*run)();
};

constexpr std::array kHandlers {
    Handler { "txtModel", EN_CHANGE, &FindForm::txtModel_Change },
    Handler { "lstHits", LBN_SELCHANGE, &FindForm::lstHits_Click },
    Handler { "lstHits", LBN_DBLCLK, &FindForm::lstHits_DblClick },
    Handler { "cmdShow", BN_CLICKED, &FindForm::cmdShow_Click },
    Handler { "cmdClose", BN_CLICKED, &FindForm::cmdClose_Click },
};

constexpr std::array<std::string_view, 6> kBound { "txtModel",       "lstHits", "lblStatus",
                                                   "lblTodayModels", "cmdShow", "cmdClose" };

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

void FindModelWindow::requireBoundControls()
{
    requireControls(forms::findLayout(), kBound);
}

void FindModelWindow::placeBeside(HWND owner)
{
    RECT beside;
    GetWindowRect(owner, &beside);
    moveOnto(owner, beside.right, beside.top);
}

void FindModelWindow::onCommand(std::string_view name, int, int notification)
{
    for (const Handler &handler : kHandlers) {
        if (handler.control == name && handler.notification == notification) {
            (m_form.*handler.run)();
            return;
        }
    }
}

void FindModelWindow::onClose()
{
    m_form.cmdClose_Click();
}

// An owned window's end is its own: the program runs on while the main window is open.
void FindModelWindow::onDestroyed() { }

std::string FindModelWindow::modelText() const
{
    const HWND edit = control("txtModel");
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void FindModelWindow::setHits(std::span<const std::string> lines)
{
    const HWND list = control("lstHits");
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
    SendMessageW(control("lstHits"), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int FindModelWindow::selectedHit() const
{
    return static_cast<int>(SendMessageW(control("lstHits"), LB_GETCURSEL, 0, 0));
}

void FindModelWindow::setStatus(std::string_view text)
{
    SetWindowTextW(control("lblStatus"), widen(text).c_str());
}

void FindModelWindow::setToday(std::string_view text)
{
    SetWindowTextW(control("lblTodayModels"), widen(text).c_str());
}

void FindModelWindow::closeWindow()
{
    DestroyWindow(handle());
}

} // namespace selmak::win32
