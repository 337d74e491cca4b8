// SPDX-License-Identifier: MIT
#include "ui/web/main_window.h"

#include "forms/main_layout.h"

#include <string>

namespace selmak::web {
namespace {

std::vector<val> resultLabels(const BuiltWindow &window)
{
    std::vector<val> labels;
    for (const ColumnInfo &info : kColumns) {
        val label = window.control(info.resultLabel);
        // A screen reader reads a row as maker and model.
        setAttribute(label, "aria-description", info.heading);
        labels.push_back(std::move(label)); // kColumns lists the columns in order
    }
    return labels;
}

} // namespace

MainWindow::MainWindow(const val &parent)
    : m_parent(parent),
      m_window(forms::mainLayout(), BuiltWindow::inPage(forms::mainLayout())),
      m_optPower(m_window.control("optPower")),
      m_txtPower(m_window.control("txtPower")),
      m_txtCurrent(m_window.control("txtCurrent")),
      m_cmbChoose(m_window.control("cmbChoose")),
      m_back(m_window.control("back")),
      m_far(m_window.control("far")),
      m_results(resultLabels(m_window))
{
    // An option's change event comes with the mouse and with the arrow keys alike.
    bind("optPower", "change", &forms::MainForm::optPower_Click);
    bind("optCurrent", "change", &forms::MainForm::optCurrent_Click);
    bind("txtPower", "input", &forms::MainForm::txtPower_Change);
    bind("txtCurrent", "input", &forms::MainForm::txtCurrent_Change);
    bind("cmbChoose", "click", &forms::MainForm::cmbChoose_Click);
    bind("cmbAbout", "click", &forms::MainForm::cmbAbout_Click);
    bind("exit", "click", &forms::MainForm::exit_Click);
    bind("back", "click", &forms::MainForm::back_Click);
    bind("far", "click", &forms::MainForm::far_Click);
    bind("Hide", "click", &forms::MainForm::Hide_Click);
    m_window.keepTabOrder(m_listeners, false);

    // The page shows the window as loading the form leaves it; loading it here sets the same.
    m_form.Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::bind(const char *control, const char *event, void (forms::MainForm::*handler)())
{
    m_listeners.listen(m_window.control(control), event,
                       [this, handler](val) { (m_form.*handler)(); });
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
    // As with About: one at a time, a closed one discarded here and built anew.
    if (m_find && !m_find->isOpen())
        m_find.reset();
    if (!m_find)
        m_find = std::make_unique<FindWindow>(m_parent, m_form);
    m_find->raise(++m_topLayer);
}

const val &MainWindow::box(forms::Box which) const
{
    return which == forms::Box::Power ? m_txtPower : m_txtCurrent;
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
    return m_optPower["checked"].as<bool>();
}

void MainWindow::enableChoose()
{
    m_cmbChoose.set("disabled", false);
}

void MainWindow::setResult(Column column, std::string_view text)
{
    setText(m_results[static_cast<std::size_t>(columnNumber(column) - 1)], text);
}

void MainWindow::showWarning(std::string_view text)
{
    m_warning.show(text);
}

void MainWindow::showStepButtons()
{
    m_back.set("hidden", false);
    m_far.set("hidden", false);
}

void MainWindow::showAbout()
{
    // A closed dialog is discarded here, outside its own handlers, and a new one loads.
    if (m_about && !m_about->isOpen())
        m_about.reset();
    if (!m_about)
        m_about = std::make_unique<AboutWindow>(m_parent);
    m_about->raise(++m_topLayer);
}

void MainWindow::exitProgram()
{
    // A page cannot close its tab: every window closes and the page says that the program ended.
    if (m_about)
        m_about->close();
    if (m_find)
        m_find->close();
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
