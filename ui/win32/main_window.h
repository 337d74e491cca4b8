// SPDX-License-Identifier: MIT
#pragma once

#include "forms/main_form.h"
#include "forms/main_view.h"
#include "ui/win32/layout_window.h"
#include "ui/win32/shell_hooks.h"

namespace selmak::win32 {

class Application;

// The main window "Подбор контакторов": the layout table's controls, each event handed to the
// form's handler that its table names, the form's requests carried out on the controls.
class MainWindow final : public LayoutWindow, private forms::MainView
{
public:
    MainWindow(Application &application, Notifier notifier, const DpiApi &dpiApi);

    // Makes the window and runs Form_Load; the window is not yet shown.
    void load();
    const forms::MainForm &form() const { return m_form; }
    forms::MainForm &form() { return m_form; }

    // The commands of the context menu, the system menu and the shortcut keys. System-menu
    // commands leave the low four bits to the system, and neither is a control's identifier.
    static constexpr int kFindCommand = 0x0100;
    static constexpr int kAboutCommand = 0x0110;
    static constexpr int kListCommand = 0x0120;

private:
    void onEvent(forms::ControlId control, forms::Event event) override;
    void onMenuCommand(int id) override;
    void onDestroyed() override;
    std::optional<LRESULT> onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void showContextMenu(LPARAM at);

    std::string boxText(forms::Box box) const override;
    bool isBoxEnabled(forms::Box box) const override;
    void setBoxEnabled(forms::Box box, bool enabled) override;
    bool isPowerOptionSelected() const override;
    void enableChoose() override;
    void setResult(Column column, std::string_view text) override;
    void showWarning(std::string_view text) override;
    void showStepButtons() override;
    void showAbout() override;
    void exitProgram() override;

    HWND box(forms::Box box) const;

    Application &m_application;
    Notifier m_notifier;
    forms::MainForm m_form { *this };
};

} // namespace selmak::win32
