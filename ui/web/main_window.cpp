// SPDX-License-Identifier: MIT
#include "ui/web/main_window.h"

#include "forms/main_layout.h"

#include <string>

namespace selmak::web {

using forms::MainControl;

MainWindow::MainWindow(const val &parent)
    : m_parent(parent), m_window(forms::mainLayout(), BuiltWindow::inPage(forms::mainLayout()))
{
    for (const ColumnInfo &info : kColumns) {
        // A screen reader reads a row as maker and model.
        setAttribute(m_window.control(forms::resultLabel(info.column)), "aria-description",
                     info.heading);
    }
    m_window.bind(m_form);
    // The page shows the window as loading the form leaves it; loading it here sets the same.
    m_form.Form_Load();
}

MainWindow::~MainWindow() = default;

template<typename Window, typename... Args>
void MainWindow::open(std::unique_ptr<Window> &dialog, Args &...args)
{
    if (dialog && !dialog->isOpen())
        dialog.reset();
    if (!dialog)
        dialog = std::make_unique<Window>(m_parent, args...);
    dialog->raise(++m_topLayer);
}

void MainWindow::focus()
{
    m_window.focusFirst();
}

void MainWindow::openAbout()
{
    m_form.cmbAbout_Click();
}

void MainWindow::openFind()
{
    open(m_find, m_form);
}

void MainWindow::openList()
{
    open(m_list, m_warning);
}

const val &MainWindow::box(forms::Box which) const
{
    return m_window.control(which == forms::Box::Power ? MainControl::txtPower
                                                       : MainControl::txtCurrent);
}

std::string MainWindow::boxText(forms::Box which) const
{
    return textOf(box(which));
}

bool MainWindow::isBoxEnabled(forms::Box which) const
{
    return !box(which)["disabled"].as<bool>();
}

void MainWindow::setBoxEnabled(forms::Box which, bool enabled)
{
    val(box(which)).set("disabled", !enabled);
}

bool MainWindow::isPowerOptionSelected() const
{
    return m_window.control(MainControl::optPower)["checked"].as<bool>();
}

void MainWindow::enableChoose()
{
    val(m_window.control(MainControl::cmbChoose)).set("disabled", false);
}

void MainWindow::setResult(Column column, std::string_view text)
{
    setText(m_window.control(forms::resultLabel(column)), text);
}

void MainWindow::showWarning(std::string_view text)
{
    m_warning.show(text);
}

void MainWindow::showStepButtons()
{
    val(m_window.control(MainControl::back)).set("hidden", false);
    val(m_window.control(MainControl::far_)).set("hidden", false);
}

void MainWindow::showAbout()
{
    open(m_about);
}

void MainWindow::exitProgram()
{
    // A page cannot close its tab: every window closes and the page says that the program ended.
    if (m_about)
        m_about->close();
    if (m_find)
        m_find->close();
    if (m_list)
        m_list->close();
    m_warning.close();
    val(m_window.frame()).set("hidden", true);
    const val ended = createElement("p");
    setAttribute(ended, "class", "ended");
    setAttribute(ended, "role", "status");
    setText(ended, "Программа завершена. Чтобы начать снова, обновите страницу.");
    m_parent.call<void>("append", ended);
    val::global("window").call<void>("close");
}

} // namespace selmak::web
