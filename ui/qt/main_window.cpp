// SPDX-License-Identifier: MIT
#include "ui/qt/main_window.h"

#include "forms/main_layout.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/event_binding.h"
#include "ui/qt/find_dialog.h"
#include "ui/qt/list_dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

namespace selmak::ui {

using forms::MainControl;

MainWindow::MainWindow(Notifier notifier, FileDialogs files, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_notifier(std::move(notifier)),
      m_files(std::move(files)),
      m_controls(buildWindow(this, forms::mainLayout()))
{
    for (const ColumnInfo &info : kColumns) {
        // A screen reader reads a row as maker and model.
        m_controls[forms::resultLabel(info.column)]->setAccessibleDescription(
            QString::fromUtf8(info.heading.data(), static_cast<qsizetype>(info.heading.size())));
    }
    bindEvents(m_form, forms::mainLayout(), m_controls, this);
    addCommands();

    m_form.Form_Load();
}

// The commands that have no control of their own: nothing in the window shows them, so its
// designed face and tab order stay as they are. The shortcut keys need their action from the
// start; the menu is made when it is first asked for.
void MainWindow::addCommands()
{
    m_findAction = new QAction(QStringLiteral("Поиск по модели..."), this);
    m_findAction->setObjectName(QStringLiteral("actFind"));
    m_findAction->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3) });
    m_findAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_findAction, &QAction::triggered, this, &MainWindow::showFind);
    addAction(m_findAction);
    m_listAction = new QAction(QStringLiteral("Замена по списку..."), this);
    m_listAction->setObjectName(QStringLiteral("actList"));
    m_listAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_listAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_listAction, &QAction::triggered, this, &MainWindow::showList);
    addAction(m_listAction);
    // Right-click, or the menu key where the focus is on a control without a menu of its own.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &MainWindow::showContextMenu);
}

void MainWindow::showContextMenu(const QPoint &at)
{
    if (!m_menu) {
        m_menu = new QMenu(this);
        m_menu->addAction(m_findAction);
        m_menu->addAction(m_listAction);
        QAction *about = m_menu->addAction(QStringLiteral("О программе"), this,
                                           [this] { m_form.cmbAbout_Click(); });
        about->setObjectName(QStringLiteral("actAbout"));
    }
    m_menu->popup(mapToGlobal(at));
}

MainWindow::~MainWindow()
{
    // The About dialog has no owner; it goes with the program, not before it.
    delete m_about;
}

QLineEdit *MainWindow::box(forms::Box box) const
{
    return m_controls.as<QLineEdit>(box == forms::Box::Power ? MainControl::txtPower
                                                             : MainControl::txtCurrent);
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
    return m_controls.as<QRadioButton>(MainControl::optPower)->isChecked();
}

void MainWindow::enableChoose()
{
    m_controls[MainControl::cmbChoose]->setEnabled(true);
}

void MainWindow::setResult(Column column, std::string_view text)
{
    m_controls.as<QLabel>(forms::resultLabel(column))
        ->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::showWarning(std::string_view text)
{
    m_notifier(this, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainWindow::showStepButtons()
{
    m_controls[MainControl::back]->setVisible(true);
    m_controls[MainControl::far_]->setVisible(true);
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

// The find and list windows open beside this one, so that the step shown is in view, and inside
// the screen: where there is no room beside, they cover part of this window.
void MainWindow::placeBeside(QWidget *dialog) const
{
    dialog->adjustSize();
    const QRect frame = frameGeometry();
    const QSize decoration = frame.size() - size();
    const QRect room = screen()->availableGeometry();
    const QSize own = dialog->size() + decoration;
    const int left = std::clamp(frame.right() + 1, room.left(),
                                std::max(room.left(), room.right() + 1 - own.width()));
    const int top = std::clamp(frame.top(), room.top(),
                               std::max(room.top(), room.bottom() + 1 - own.height()));
    dialog->move(left, top);
}

void MainWindow::showFind()
{
    if (!m_find) {
        m_find = new FindDialog(m_form, this);
        placeBeside(m_find);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void MainWindow::showList()
{
    if (!m_list) {
        m_list = new ListDialog(m_notifier, m_files, this);
        placeBeside(m_list);
    }
    m_list->show();
    m_list->raise();
    m_list->activateWindow();
}

void MainWindow::exitProgram()
{
    // Ends the event loop at once; no window gets a close event.
    QCoreApplication::exit(0);
}

} // namespace selmak::ui
