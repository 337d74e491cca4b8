// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace selmak::forms {

class FindView;
class MainForm;

// The find window's behaviour, the same in every front-end: every edit of the part number
// searches the catalogue at once and lists the models it names; a hit shown goes to the main
// window's form, which shows its step as the step buttons would.
class FindForm
{
public:
    FindForm(FindView &view, MainForm &main);

    void Form_Load();
    void txtModel_Change();
    void cmdShow_Click();
    void lstHits_DblClick();
    void cmdClose_Click();

private:
    void ShowSelectedHit();

    FindView &m_view;
    MainForm &m_main;
    std::vector<int> m_steps; // the step of each listed hit, in list order
};

} // namespace selmak::forms
