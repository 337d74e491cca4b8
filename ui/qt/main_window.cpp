// SPDX-License-Identifier: MIT
#include "ui/qt/main_window.h"

#include "forms/main_layout.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/control_builder.h"
#include "ui/qt/find_dialog.h"
#include "ui/qt/hot_spot.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace selmak::ui {
namespace {

// The controls the window binds by name, besides the result labels of the column table.
constexpr std::array<std::string_view, 10> kBound { "optPower",   "optCurrent", "txtPower",
                                                    "txtCurrent", "cmbChoose",  "cmbAbout",
                                                    "exit",       "back",       "far",
                                                    "Hide" };

void requireBoundControls()
{
    std::vector<std::string_view> names(kBound.begin(), kBound.end());
    for (const ColumnInfo &info : kColumns)
        names.push_back(info.resultLabel);
    requireControls(forms::mainLayout(), names);
}

} // namespace

MainWindow::MainWindow(Notifier notifier, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_notifier(std::move(notifier))
{
    static const bool named = (requireBoundControls(), true);
    Q_UNUSED(named);
    buildWindow(this, forms::mainLayout());

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
            m_form.optPower_Click();
    });
    connect(m_optCurrent, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_form.optCurrent_Click();
    });
    connect(m_txtPower, &QLineEdit::textChanged, this, [this] { m_form.txtPower_Change(); });
    connect(m_txtCurrent, &QLineEdit::textChanged, this, [this] { m_form.txtCurrent_Change(); });
    connect(m_cmbChoose, &QPushButton::clicked, this, [this] { m_form.cmbChoose_Click(); });
    connect(control<QPushButton>("cmbAbout"), &QPushButton::clicked, this,
            [this] { m_form.cmbAbout_Click(); });
    connect(control<QPushButton>("exit"), &QPushButton::clicked, this,
            [this] { m_form.exit_Click(); });
    connect(m_back, &QPushButton::clicked, this, [this] { m_form.back_Click(); });
    connect(m_far, &QPushButton::clicked, this, [this] { m_form.far_Click(); });
    connect(control<HotSpot>("Hide"), &HotSpot::clicked, this, [this] { m_form.Hide_Click(); });
    addCommands();

    m_form.Form_Load();
}

// The commands that have no control of their own: nothing in the window shows them, so its
// designed face and tab order stay as they are.
void MainWindow::addCommands()
{
    auto *find = new QAction(QStringLiteral("Поиск по модели..."), this);
    find->setObjectName(QStringLiteral("actFind"));
    find->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3) });
    find->setShortcutContext(Qt::WindowShortcut);
    connect(find, &QAction::triggered, this, &MainWindow::showFind);
    addAction(find);
    auto *about = new QAction(QStringLiteral("О программе"), this);
    about->setObjectName(QStringLiteral("actAbout"));
    connect(about, &QAction::triggered, this, [this] { m_form.cmbAbout_Click(); });

    m_menu = new QMenu(this);
    m_menu->addAction(find);
    m_menu->addAction(about);
    // Right-click, or the menu key where the focus is on a control without a menu of its own.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(mapToGlobal(at)); });
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

QLineEdit *MainWindow::box(forms::Box box) const
{
    return box == forms::Box::Power ? m_txtPower : m_txtCurrent;
}

std::string MainWindow::boxText(forms::Box which) const
{
    return box(which)->text().toStdString();
}

bool MainWindow::isBoxEnabled(forms::Box which) const
{
    return box(which)->isEnabled();
}

void MainWindow::setBoxEnabled(forms::Box which, bool enabled)
{
    box(which)->setEnabled(enabled);
}

bool MainWindow::isPowerOptionSelected() const
{
    return m_optPower->isChecked();
}

void MainWindow::enableChoose()
{
    m_cmbChoose->setEnabled(true);
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

void MainWindow::showStepButtons()
{
    m_back->setVisible(true);
    m_far->setVisible(true);
}

void MainWindow::showAbout()
{
    if (!m_about) {
        m_about = new AboutDialog;
        // Centred over the main window, frame and all; both wear the same decoration.
        m_about->adjustSize();
        const QSize decoration = frameGeometry().size() - size();
        const QSize room = frameGeometry().size() - m_about->size() - decoration;
        m_about->move(frameGeometry().topLeft() + QPoint(room.width() / 2, room.height() / 2));
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

// The find window opens beside this one, so that the step it shows is in view, and inside the
// screen: where there is no room beside, it covers part of this window.
void MainWindow::showFind()
{
    if (!m_find) {
        m_find = new FindDialog(m_form, this);
        m_find->adjustSize();
        const QRect frame = frameGeometry();
        const QSize decoration = frame.size() - size();
        const QRect room = screen()->availableGeometry();
        const QSize own = m_find->size() + decoration;
        const int left = std::clamp(frame.right() + 1, room.left(),
                                    std::max(room.left(), room.right() + 1 - own.width()));
        const int top = std::clamp(frame.top(), room.top(),
                                   std::max(room.top(), room.bottom() + 1 - own.height()));
        m_find->move(left, top);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void MainWindow::exitProgram()
{
    // Ends the event loop at once; no window gets a close event.
    QCoreApplication::exit(0);
}

} // namespace selmak::ui
