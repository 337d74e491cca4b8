// SPDX-License-Identifier: MIT
#include "ui/main/main_window.h"

#include "ui/about/about_dialog.h"
#include "ui/main/control_builder.h"
#include "ui/main/hot_spot.h"
#include "ui/main/main_layout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace selmak::ui {

MainWindow::MainWindow(Notifier notifier, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_notifier(std::move(notifier))
{
    setObjectName(QStringLiteral("selmak"));
    buildWindow(this, mainLayout());

    m_optPower = control<QRadioButton>("optPower");
    m_optCurrent = control<QRadioButton>("optCurrent");
    m_txtPower = control<QLineEdit>("txtPower");
    m_txtCurrent = control<QLineEdit>("txtCurrent");
    m_cmbChoose = control<QPushButton>("cmbChoose");
    m_back = control<QPushButton>("back");
    m_far = control<QPushButton>("far");
    for (const ColumnInfo &info : kColumns) {
        QLabel *label = control<QLabel>(info.resultLabel.data());
        // A screen reader reads a row as maker and model.
        label->setAccessibleDescription(
            QString::fromUtf8(info.heading.data(), info.heading.size()));
        m_results[static_cast<std::size_t>(columnNumber(info.column) - 1)] = label;
    }

    // Option buttons also change by the arrow keys; "toggled on" covers the mouse and the keys.
    connect(m_optPower, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optPower_Click();
    });
    connect(m_optCurrent, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optCurrent_Click();
    });
    connect(m_txtPower, &QLineEdit::textChanged, this, &MainWindow::txtPower_Change);
    connect(m_txtCurrent, &QLineEdit::textChanged, this, &MainWindow::txtCurrent_Change);
    connect(m_cmbChoose, &QPushButton::clicked, this, &MainWindow::cmbChoose_Click);
    connect(control<QPushButton>("cmbAbout"), &QPushButton::clicked, this,
            &MainWindow::cmbAbout_Click);
    connect(control<QPushButton>("exit"), &QPushButton::clicked, this, &MainWindow::exit_Click);
    connect(m_back, &QPushButton::clicked, this, &MainWindow::back_Click);
    connect(m_far, &QPushButton::clicked, this, &MainWindow::far_Click);
    connect(control<HotSpot>("Hide"), &HotSpot::clicked, this, &MainWindow::Hide_Click);

    Form_Load();
}

MainWindow::~MainWindow()
{
    // The About dialog has no owner; it goes with the program, not before it.
    delete m_about;
}

template<typename T> T *MainWindow::control(const char *name) const
{
    T *widget = findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget, "MainWindow::control", name);
    return widget;
}

void MainWindow::Form_Load()
{
    m_steps.ShowRow();
    ApplyInitialMode();
}

void MainWindow::ApplyInitialMode()
{
    if (m_optPower->isChecked())
        m_txtCurrent->setEnabled(false);
}

void MainWindow::optPower_Click()
{
    m_txtCurrent->setEnabled(false);
    m_txtPower->setEnabled(true);
}

void MainWindow::optCurrent_Click()
{
    m_txtPower->setEnabled(false);
    m_txtCurrent->setEnabled(true);
}

void MainWindow::txtPower_Change()
{
    m_cmbChoose->setEnabled(true);
}

void MainWindow::txtCurrent_Change()
{
    m_cmbChoose->setEnabled(true);
}

void MainWindow::cmbChoose_Click()
{
    // One click, one selection: the mode's selection runs once, so it warns at most once.
    if (m_txtPower->isEnabled())
        m_selection.SelectByPower(m_txtPower->text().toStdString());
    else
        m_selection.SelectByCurrent(m_txtCurrent->text().toStdString());
}

void MainWindow::cmbAbout_Click()
{
    if (!m_about)
        m_about = new AboutDialog;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::exit_Click()
{
    // Ends the event loop at once; no window gets a close event.
    QCoreApplication::exit(0);
}

void MainWindow::back_Click()
{
    m_steps.stepDown();
}

void MainWindow::far_Click()
{
    m_steps.stepUp();
}

void MainWindow::Hide_Click()
{
    m_back->setVisible(true);
    m_far->setVisible(true);
}

void MainWindow::setResult(Column column, std::string_view text)
{
    m_results[static_cast<std::size_t>(columnNumber(column) - 1)]->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::showWarning(std::string_view text)
{
    m_notifier(this, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace selmak::ui
