// SPDX-License-Identifier: MIT
#pragma once

#include "core/result_view.h"
#include "core/selection.h"
#include "core/size_steps.h"
#include "ui/main/warning_box.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace selmak::ui {

class AboutDialog;

// The program's one working screen: the input on the left, the results of the current size step
// on the right. The selection itself lives in the core; the window shows what it decides.
class MainWindow : public QWidget, private ResultView
{
    Q_OBJECT

public:
    explicit MainWindow(Notifier notifier = showWarningBox, QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    void Form_Load();
    void ApplyInitialMode();

    void optPower_Click();
    void optCurrent_Click();
    void txtPower_Change();
    void txtCurrent_Change();
    void cmbChoose_Click();
    void cmbAbout_Click();
    void exit_Click();
    void back_Click();
    void far_Click();
    void Hide_Click();

    void setResult(Column column, std::string_view text) override;
    void showWarning(std::string_view text) override;

    template<typename T> T *control(const char *name) const;

    Notifier m_notifier;
    SizeSteps m_steps { *this };
    Selection m_selection { m_steps, *this };

    QRadioButton *m_optPower;
    QRadioButton *m_optCurrent;
    QLineEdit *m_txtPower;
    QLineEdit *m_txtCurrent;
    QPushButton *m_cmbChoose;
    QPushButton *m_back;
    QPushButton *m_far;
    std::array<QLabel *, kColumnCount> m_results {};
    QPointer<AboutDialog> m_about;
};

} // namespace selmak::ui
