// SPDX-License-Identifier: MIT
#include "ui/win32/main_window.h"

#include "forms/main_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/text.h"

#include <string>
#include <windowsx.h>

namespace selmak::win32 {
namespace {

using forms::MainControl;

// The find and list commands, with their shortcuts in the menu's shortcut column.
constexpr const wchar_t *kFindItem = L"Поиск по модели...\tCtrl+F";
constexpr const wchar_t *kListItem = L"Замена по списку...\tCtrl+L";

// A fixed frame with the system menu and the close box only.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

} // namespace

MainWindow::MainWindow(Application &application, Notifier notifier, const DpiApi &dpiApi)
    : LayoutWindow(forms::mainLayout(), kStyle, 0, dpiApi),
      m_application(application),
      m_notifier(std::move(notifier))
{ }

void MainWindow::load()
{
    create();
    if (!handle())
        return;
    const HMENU system = GetSystemMenu(handle(), FALSE);
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(system, MF_STRING, kFindCommand, kFindItem);
    AppendMenuW(system, MF_STRING, kListCommand, kListItem);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const UINT scale = dpi();
    const auto icon = [&](int metric) {
        return reinterpret_cast<LPARAM>(
            LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, dpiApi().systemMetric(metric, scale),
                       dpiApi().systemMetric(metric, scale), LR_SHARED));
    };
    SendMessageW(handle(), WM_SETICON, ICON_BIG, icon(SM_CXICON));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
    m_form.Form_Load();
}

void MainWindow::onEvent(forms::ControlId control, forms::Event event)
{
    forms::dispatch(m_form, forms::MainForm::events(), control, event);
}

void MainWindow::onMenuCommand(int id)
{
    if (id == kFindCommand)
        m_application.showFind();
    else if (id == kListCommand)
        m_application.showList();
    else if (id == kAboutCommand)
        m_form.cmbAbout_Click();
}

std::optional<LRESULT> MainWindow::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND
        && ((wParam & 0xFFF0) == kFindCommand || (wParam & 0xFFF0) == kListCommand)) {
        onMenuCommand(static_cast<int>(wParam & 0xFFF0));
        return 0;
    }
    if (message == WM_CONTEXTMENU) {
        showContextMenu(lParam);
        return 0;
    }
    return std::nullopt;
}

// At the mouse, or for the menu key (no point) under the control that has the focus. A text box
// shows its own menu instead.
void MainWindow::showContextMenu(LPARAM at)
{
    POINT point { GET_X_LPARAM(at), GET_Y_LPARAM(at) };
    if (point.x == -1 && point.y == -1) {
        RECT place {};
        const HWND focus = GetFocus();
        if (focus && IsChild(handle(), focus))
            GetWindowRect(focus, &place);
        else
            GetWindowRect(handle(), &place);
        point = { place.left, place.bottom };
    }
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kFindCommand, kFindItem);
    AppendMenuW(menu, MF_STRING, kListCommand, kListItem);
    AppendMenuW(menu, MF_STRING, kAboutCommand, L"О программе");
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0,
                   handle(), nullptr);
    DestroyMenu(menu);
}

void MainWindow::onDestroyed()
{
    m_application.windowClosed();
}

HWND MainWindow::box(forms::Box which) const
{
    return control(which == forms::Box::Power ? MainControl::txtPower : MainControl::txtCurrent);
}

std::string MainWindow::boxText(forms::Box which) const
{
    const HWND edit = box(which);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

bool MainWindow::isBoxEnabled(forms::Box which) const
{
    return IsWindowEnabled(box(which));
}

void MainWindow::setBoxEnabled(forms::Box which, bool enabled)
{
    EnableWindow(box(which), enabled);
}

bool MainWindow::isPowerOptionSelected() const
{
    return SendMessageW(control(MainControl::optPower), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::enableChoose()
{
    EnableWindow(control(MainControl::cmbChoose), TRUE);
}

void MainWindow::setResult(Column column, std::string_view text)
{
    SetWindowTextW(control(forms::resultLabel(column)), widen(text).c_str());
}

void MainWindow::showWarning(std::string_view text)
{
    m_notifier(handle(), widen(text));
}

void MainWindow::showStepButtons()
{
    ShowWindow(control(MainControl::back), SW_SHOWNA);
    ShowWindow(control(MainControl::far_), SW_SHOWNA);
}

void MainWindow::showAbout()
{
    m_application.showAbout();
}

void MainWindow::exitProgram()
{
    m_application.exit();
}

} // namespace selmak::win32
