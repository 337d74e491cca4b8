// SPDX-License-Identifier: MIT
#pragma once

#include "forms/main_form.h"
#include "forms/main_view.h"
#include "ui/qt/control_builder.h"
#include "ui/qt/file_dialogs.h"
#include "ui/qt/warning_box.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QLineEdit;
class QMenu;

namespace selmak::ui {

class AboutDialog;
class FindDialog;
class ListDialog;

// The program's one working screen: the input on the left, the results of the current size step
// on the right. What each event does is the shared form's; the window binds it to Qt's widgets.
class MainWindow : public QWidget, private forms::MainView
{
    Q_OBJECT

public:
    // The notifier and the file dialogs serve the windows this one opens too.
    explicit MainWindow(Notifier notifier = showWarningBox,
                        FileDialogs files = standardFileDialogs(), QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens the find window beside this one, or brings the open one to the front.
    void showFind();
    // Opens the list window beside this one, or brings the open one to the front.
    void showList();

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

    QLineEdit *box(forms::Box box) const;
    void addCommands();
    void showContextMenu(const QPoint &at);
    void placeBeside(QWidget *dialog) const;

    Notifier m_notifier;
    FileDialogs m_files;
    forms::MainForm m_form { *this };
    Controls m_controls;
    QAction *m_findAction = nullptr; // Ctrl+F and F3, and the context menu's first command
    QAction *m_listAction = nullptr; // Ctrl+L, and the context menu's second command
    QPointer<AboutDialog> m_about;
    QPointer<FindDialog> m_find;
    QPointer<ListDialog> m_list;
    QMenu *m_menu = nullptr; // the context menu, made on its first use
};

} // namespace selmak::ui
