// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"

#include <span>

namespace selmak {
struct Selected;
}

namespace selmak::forms {

class MainView;

// The main window's behaviour, the same in every front-end: each handler is what its control's
// event does. The front-end calls the handlers; the form changes the window through the view.
class MainForm
{
public:
    explicit MainForm(MainView &view);

    // Which event of which control runs which handler.
    static std::span<const EventRow<MainForm>> events();

    void Form_Load();
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

    // Shows a step as the step buttons do, from another window: the boxes, the mode, the values
    // read and the step buttons stay as they are.
    void ShowStep(int step);

    // 0 until the window has loaded, then the step on show, 1..19.
    int RowIndex() const { return m_rowIndex; }
    // The last values read, in single precision; 0 until the first selection of their kind.
    float PowerValue() const { return m_powerValue; }
    float CurrentValue() const { return m_currentValue; }

private:
    void ApplyInitialMode();
    void ShowRow();
    void FillResultLabels();
    void SelectByPower();
    void SelectByCurrent();
    void show(const Selected &selected);

    MainView &m_view;
    int m_rowIndex = 0;
    float m_powerValue = 0.0f;
    float m_currentValue = 0.0f;
};

} // namespace selmak::forms
