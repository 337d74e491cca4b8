// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"

#include <span>
#include <vector>

namespace selmak::forms {

class FindView;
class MainForm;

// The find window's behaviour, the same in every front-end: every edit of the part number
// searches the catalogue and today's ranges at once and lists the models it names, with what is
// sold today for the selected hit's step; a hit shown goes to the main window's form, which shows
// its step as the step buttons would. A frame below the smallest step has no step to show.
class FindForm
{
public:
    FindForm(FindView &view, MainForm &main);

    // Which event of which control runs which handler.
    static std::span<const EventRow<FindForm>> events();

    void Form_Load();
    void txtModel_Change();
    void lstHits_Click(); // the selection changed
    void cmdShow_Click();
    void lstHits_DblClick();
    void cmdClose_Click();

private:
    int SelectedStep() const; // kNoStep when the hit has none, or nothing is selected
    void ShowSelectedHit();

    FindView &m_view;
    MainForm &m_main;
    std::vector<int> m_steps; // the step of each listed hit, in list order
};

} // namespace selmak::forms
