// SPDX-License-Identifier: MIT
#include "ui/win32/main_window.h"

#include "forms/main_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/bound_controls.h"
#include "ui/win32/text.h"

#include <array>
#include <string>
#include <vector>
#include <windowsx.h>

namespace selmak::win32 {
namespace {

using forms::MainForm;

// Which control's which notification runs which handler. Nothing else is handled.
struct Handler
{
    std::string_view control;
    int notification;
    void (MainForm::*run)();
};

constexpr std::array kHandlers {
    Handler { "optPower", BN_CLICKED, &MainForm::optPower_Click },
    Handler { "optCurrent", BN_CLICKED, &MainForm::optCurrent_Click },
    Handler { "txtPower", EN_CHANGE, &MainForm::txtPower_Change },
    Handler { "txtCurrent", EN_CHANGE, &MainForm::txtCurrent_Change },
    Handler { "cmbChoose", BN_CLICKED, &MainForm::cmbChoose_Click },
    Handler { "cmbAbout", BN_CLICKED, &MainForm::cmbAbout_Click },
    Handler { "exit", BN_CLICKED, &MainForm::exit_Click },
    Handler { "back", BN_CLICKED, &MainForm::back_Click },
    Handler { "far", BN_CLICKED, &MainForm::far_Click },
    Handler { "Hide", STN_CLICKED, &MainForm::Hide_Click },
};

// The controls bound by name besides those of the handlers and the result labels.
constexpr std::array<std::string_view, 6> kAlsoBound { "txtPower",  "txtCurrent", "optPower",
                                                       "cmbChoose", "back",       "far" };

// The find command, with its shortcut in the menu's shortcut column.
constexpr const wchar_t *kFindItem = L"Поиск по модели...\tCtrl+F";

// A fixed frame with the system menu and the close box only.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

} // namespace

MainWindow::MainWindow(Application &application, Notifier notifier, const DpiApi &dpiApi)
    : LayoutWindow(forms::mainLayout(), kStyle, 0, dpiApi),
      m_application(application),
      m_notifier(std::move(notifier))
{ }

void MainWindow::requireBoundControls()
{
    std::vector<std::string_view> names(kAlsoBound.begin(), kAlsoBound.end());
    for (const Handler &handler : kHandlers)
        names.push_back(handler.control);
    for (const ColumnInfo &info : kColumns)
        names.push_back(info.resultLabel);
    requireControls(forms::mainLayout(), names);
}

void MainWindow::load()
{
    create();
    if (!handle())
        return;
    const HMENU system = GetSystemMenu(handle(), FALSE);
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(system, MF_STRING, kFindCommand, kFindItem);
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

// The menus' and the shortcut keys' commands come with no control's name.
void MainWindow::onCommand(std::string_view name, int id, int notification)
{
    if (name.empty() && id == kFindCommand) {
        m_application.showFind();
        return;
    }
    if (name.empty() && id == kAboutCommand) {
        m_form.cmbAbout_Click();
        return;
    }
    for (const Handler &handler : kHandlers) {
        if (handler.control == name && handler.notification == notification) {
            (m_form.*handler.run)();
            return;
        }
    }
}

std::optional<LRESULT> MainWindow::onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kFindCommand) {
        m_application.showFind();
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
    return control(which == forms::Box::Power ? "txtPower" : "txtCurrent");
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
    return SendMessageW(control("optPower"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::enableChoose()
{
    EnableWindow(control("cmbChoose"), TRUE);
}

void MainWindow::setResult(Column column, std::string_view text)
{
    SetWindowTextW(control(columnInfo(column).resultLabel), widen(text).c_str());
}

void MainWindow::showWarning(std::string_view text)
{
    m_notifier(handle(), widen(text));
}

void MainWindow::showStepButtons()
{
    ShowWindow(control("back"), SW_SHOWNA);
    ShowWindow(control("far"), SW_SHOWNA);
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
