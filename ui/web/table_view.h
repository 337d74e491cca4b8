// SPDX-License-Identifier: MIT
#pragma once

#include "ui/web/dom.h"

#include <string>
#include <vector>

namespace selmak::forms {
class ListTable;
}

namespace selmak::web {

// A table over a region of the page that scrolls both ways around a real <table>, which the page
// holds empty (writeWindow). Only the rows in view, and a few on either side, are in the page;
// rows above and below them are spacers of their height, so that the scroll bar is the whole
// table's and a table of any length costs the page only a screenful. The table's heading and row
// numbers (aria-rowcount, aria-rowindex) tell screen readers where they are.
class TableView
{
public:
    TableView(val region, Listeners &listeners);

    // The rows, the columns or the cells have changed: `table` lives as long as the view. The
    // rows are written in the page's next frame, once it is laid out.
    void show(const forms::ListTable &table);

private:
    void render();
    void setColumns();
    void fitHeadings();
    double rowHeight() const;

    val m_region;
    val m_table;
    val m_columns; // the <colgroup>
    val m_heading; // the <tr> of the <thead>
    val m_body;
    const forms::ListTable *m_source = nullptr;
    std::vector<std::string> m_headings;
    std::vector<int> m_widths; // each column's, in CSS pixels
    std::size_t m_first = 0; // the rows in the page
    std::size_t m_last = 0;
    bool m_stale = true; // the rows in the page are not the table's
    bool m_drawing = false; // a frame is asked for
    bool m_unfitted = false; // the headings are not yet measured against their columns
};

} // namespace selmak::web
