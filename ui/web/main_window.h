// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"
#include "forms/main_form.h"
#include "forms/main_view.h"
#include "ui/web/about_window.h"
#include "ui/web/built_window.h"
#include "ui/web/dom.h"
#include "ui/web/find_window.h"
#include "ui/web/list_window.h"
#include "ui/web/warning_dialog.h"

#include <memory>

namespace selmak::web {

// The program's one working screen in the page. What each event does is the shared form's; the
// window binds it to the page's controls.
class MainWindow : private forms::MainView
{
public:
    explicit MainWindow(const val &parent);
    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;
    ~MainWindow() override;

    // For the page's own entries, which stand in for the desktop's shortcuts and menus.
    void openAbout();
    void openFind();
    void openList();
    // Gives the focus to the window's first control, once the page takes input.
    void focus();

private:
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

    const val &box(forms::Box box) const;
    // Opens the dialog, or brings the open one to the front; a closed one is discarded here,
    // outside its own handlers, and a new one loads.
    template<typename Window, typename... Args>
    void open(std::unique_ptr<Window> &dialog, Args &...args);

    val m_parent;
    BuiltWindow m_window;
    WarningDialog m_warning;
    forms::MainForm m_form { *this };
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<FindWindow> m_find;
    std::unique_ptr<ListWindow> m_list;
    int m_topLayer = 1;
};

} // namespace selmak::web
