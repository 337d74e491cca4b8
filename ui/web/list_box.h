// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"
#include "ui/web/dom.h"

#include <functional>
#include <span>
#include <string>

namespace selmak::web {

// A list box over an element with the role listbox: one line an option, one selected, chosen by
// the mouse or the arrow keys, and long lines wrapped rather than cut, which a <select> cannot do
// and a phone shows as a drop-down instead.
class ListBox
{
public:
    ListBox(val element, Listeners &listeners);

    // What runs on Click, when the mouse or a key selects a line (not when select() does), and on
    // DblClick, a double-click on a line.
    void on(forms::Event event, std::function<void()> run);

    void setLines(std::span<const std::string> lines); // none is selected afterwards
    void select(int index); // counted from 0
    int selected() const { return m_selected; }

private:
    val option(int index) const;

    val m_element;
    std::function<void()> m_onSelect = [] {};
    std::function<void()> m_onDoubleClick = [] {};
    int m_count = 0;
    int m_selected = -1;
};

} // namespace selmak::web
