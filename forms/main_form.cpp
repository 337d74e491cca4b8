// SPDX-License-Identifier: MIT
#include "forms/main_form.h"

#include "core/catalog.h"
#include "core/rating.h"
#include "core/selection.h"
#include "forms/main_layout.h"
#include "forms/main_view.h"

#include <algorithm>
#include <array>

namespace selmak::forms {

MainForm::MainForm(MainView &view) : m_view(view) { }

std::span<const EventRow<MainForm>> MainForm::events()
{
    using enum MainControl;
    using enum Event;
    // An option's click is its becoming checked, by the mouse or by the arrow keys.
    static constexpr std::array<EventRow<MainForm>, 10> kEvents { {
        { optPower, Click, &MainForm::optPower_Click },
        { optCurrent, Click, &MainForm::optCurrent_Click },
        { txtPower, Change, &MainForm::txtPower_Change },
        { txtCurrent, Change, &MainForm::txtCurrent_Change },
        { cmbChoose, Click, &MainForm::cmbChoose_Click },
        { cmbAbout, Click, &MainForm::cmbAbout_Click },
        { exit, Click, &MainForm::exit_Click },
        { back, Click, &MainForm::back_Click },
        { far_, Click, &MainForm::far_Click },
        { Hide, Click, &MainForm::Hide_Click },
    } };
    return kEvents;
}

void MainForm::Form_Load()
{
    ShowRow();
    ApplyInitialMode();
}

void MainForm::ApplyInitialMode()
{
    if (m_view.isPowerOptionSelected())
        m_view.setBoxEnabled(Box::Current, false);
}

void MainForm::optPower_Click()
{
    m_view.setBoxEnabled(Box::Current, false);
    m_view.setBoxEnabled(Box::Power, true);
}

void MainForm::optCurrent_Click()
{
    m_view.setBoxEnabled(Box::Power, false);
    m_view.setBoxEnabled(Box::Current, true);
}

void MainForm::txtPower_Change()
{
    m_view.enableChoose();
}

void MainForm::txtCurrent_Change()
{
    m_view.enableChoose();
}

void MainForm::cmbChoose_Click()
{
    // One click, one selection: the mode's selection runs once, so it warns at most once.
    if (m_view.isBoxEnabled(Box::Power))
        SelectByPower();
    else
        SelectByCurrent();
}

void MainForm::cmbAbout_Click()
{
    m_view.showAbout();
}

void MainForm::exit_Click()
{
    m_view.exitProgram();
}

void MainForm::back_Click()
{
    --m_rowIndex;
    ShowRow();
}

void MainForm::far_Click()
{
    ++m_rowIndex;
    ShowRow();
}

void MainForm::Hide_Click()
{
    m_view.showStepButtons();
}

void MainForm::ShowStep(int step)
{
    m_rowIndex = step;
    ShowRow();
}

void MainForm::ShowRow()
{
    m_rowIndex = std::clamp(m_rowIndex, Catalog::kFirstStep, Catalog::kLastStep);
    FillResultLabels();
}

void MainForm::FillResultLabels()
{
    // A row outside the catalogue is refused before any label changes.
    if (!Catalog::cell(Column::Power, m_rowIndex))
        return;
    for (const ColumnInfo &info : kColumns)
        m_view.setResult(info.column, *Catalog::cell(info.column, m_rowIndex));
}

void MainForm::SelectByPower()
{
    const Selected selected = select(kPowerRating, m_view.boxText(Box::Power));
    m_powerValue = selected.value;
    show(selected);
}

void MainForm::SelectByCurrent()
{
    const Selected selected = select(kCurrentRating, m_view.boxText(Box::Current));
    m_currentValue = selected.value;
    show(selected);
}

// The labels are up to date before the warning shows; without a class the step on show stays and
// its row is shown again.
void MainForm::show(const Selected &selected)
{
    m_rowIndex = selected.step.value_or(m_rowIndex);
    FillResultLabels();
    if (selected.warning)
        m_view.showWarning(*selected.warning);
}

} // namespace selmak::forms
