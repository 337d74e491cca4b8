// SPDX-License-Identifier: MIT
#include "ui/win32/main_window.h"

#include "forms/main_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/text.h"

#include <array>
#include <string>

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

void MainWindow::onCommand(std::string_view name, int, int notification)
{
    for (const Handler &handler : kHandlers) {
        if (handler.control == name && handler.notification == notification) {
            (m_form.*handler.run)();
            return;
        }
    }
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
