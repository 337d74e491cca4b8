// SPDX-License-Identifier: MIT
#pragma once

#include "core/order.h"
#include "forms/events.h"

#include <span>
#include <vector>

namespace selmak::forms {

class FindView;
class MainForm;

// The find window's behaviour, the same in every front-end: every edit of the part number
// searches the catalogue and today's ranges at once and lists the models it names, with what is
// sold today for the selected hit's step; a hit shown goes to the main window's form, which shows
// its step as the step buttons would. A frame below the smallest step has no step to show. A part
// number read as a whole order code (core/order_codes.h) shows, on the lines of its frame, the
// coil and contacts read, and under them each maker's whole code of today for the same.
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
    struct Listed
    {
        int step;
        bool ordered; // the hit is the frame of m_order, which the list shows
    };

    const Listed *SelectedHit() const; // none when nothing is selected
    void ShowSelectedHit();

    FindView &m_view;
    MainForm &m_main;
    std::vector<Listed> m_listed; // each listed hit, in list order
    Order m_order; // what the part number reads as
};

} // namespace selmak::forms
