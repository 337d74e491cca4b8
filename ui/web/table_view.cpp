// SPDX-License-Identifier: MIT
#include "ui/web/table_view.h"

#include "forms/list_table.h"
#include "forms/twips.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace selmak::web {
namespace {

// Rows written beyond those in view on either side, so that a short scroll shows written rows.
constexpr std::size_t kSpare = 8;

// What the view asks the page's next frame for.
constexpr const char *kDraw = "selmak-draw";

std::string pixels(double value)
{
    return std::to_string(value) + "px";
}

val spacer(double height, std::size_t columns)
{
    const val row = createElement("tr");
    setAttribute(row, "class", "spacer");
    setAttribute(row, "aria-hidden", "true");
    const val cell = createElement("td");
    setAttribute(cell, "colspan", std::to_string(std::max<std::size_t>(columns, 1)));
    setStyle(row, "height", pixels(height));
    row.call<void>("append", cell);
    return row;
}

} // namespace

TableView::TableView(val region, Listeners &listeners)
    : m_region(std::move(region)),
      m_table(m_region.call<val>("querySelector", std::string("table"))),
      m_columns(m_table.call<val>("querySelector", std::string("colgroup"))),
      m_heading(m_table.call<val>("querySelector", std::string("thead > tr"))),
      m_body(m_table.call<val>("querySelector", std::string("tbody")))
{
    listeners.listen(m_region, "scroll", [this](val) { render(); });
    listeners.listen(m_region, kDraw, [this](val) {
        m_drawing = false;
        render();
    });
}

// The row height the style sheet gives: one line, on a desktop or a phone.
double TableView::rowHeight() const
{
    const val style = val::global("window").call<val>("getComputedStyle", m_region);
    const double height = std::atof(
        style.call<std::string>("getPropertyValue", std::string("--row-height")).c_str());
    return height > 0 ? height : 18;
}

void TableView::show(const forms::ListTable &table)
{
    m_source = &table;
    std::vector<std::string> headings;
    headings.reserve(table.columnCount());
    for (std::size_t c = 0; c < table.columnCount(); ++c)
        headings.push_back(table.heading(c));
    if (headings != m_headings) {
        m_headings = std::move(headings);
        setColumns();
    }
    setAttribute(m_table, "aria-rowcount", std::to_string(table.rowCount() + 1));
    // Which rows are in view is known once the page is laid out anew: reading it now would lay out
    // the box of the list, which has just changed, before the browser would.
    m_stale = true;
    if (!std::exchange(m_drawing, true))
        atNextFrame(m_region, kDraw);
}

void TableView::setColumns()
{
    const val columns = document().call<val>("createDocumentFragment");
    const val headings = document().call<val>("createDocumentFragment");
    int tableWidth = 0;
    m_widths.clear();
    for (std::size_t c = 0; c < m_headings.size(); ++c) {
        const int columnWidth = forms::twipsToPixels(m_source->widthTwips(c));
        tableWidth += columnWidth;
        m_widths.push_back(columnWidth);
        const val column = createElement("col");
        setStyle(column, "width", pixels(columnWidth));
        columns.call<void>("append", column);
        const val heading = createElement("th");
        setAttribute(heading, "scope", "col");
        setText(heading, m_headings[c]);
        headings.call<void>("append", heading);
    }
    m_columns.call<void>("replaceChildren", columns);
    m_heading.call<void>("replaceChildren", headings);
    setStyle(m_table, "width", pixels(tableWidth));
    setAttribute(m_table, "aria-colcount", std::to_string(m_headings.size()));
    m_unfitted = true;
}

// A heading is never cut short: a column whose heading the page's face draws wider than the
// layout's figure (a maker's long name, a phone's larger text) widens to hold it. Measured in the
// frame that lays the rows out anyway, and only once the window shows.
void TableView::fitHeadings()
{
    const val headings = m_heading["children"];
    if (!m_unfitted || m_region["clientWidth"].as<int>() == 0
        || headings["length"].as<std::size_t>() != m_widths.size())
        return;
    m_unfitted = false;
    std::vector<int> wider(m_widths.size(), 0);
    for (std::size_t c = 0; c < m_widths.size(); ++c) {
        const val heading = headings[c];
        wider[c] = heading["scrollWidth"].as<int>() - heading["clientWidth"].as<int>();
    }
    if (std::none_of(wider.begin(), wider.end(), [](int by) { return by > 0; }))
        return;
    const val columns = m_columns["children"];
    int tableWidth = 0;
    for (std::size_t c = 0; c < m_widths.size(); ++c) {
        if (wider[c] > 0) {
            m_widths[c] += wider[c];
            setStyle(columns[c], "width", pixels(m_widths[c]));
        }
        tableWidth += m_widths[c];
    }
    setStyle(m_table, "width", pixels(tableWidth));
}

// The rows in view, and kSpare more on either side; the rest are two spacers.
void TableView::render()
{
    if (!m_source)
        return;
    fitHeadings();
    const std::size_t rows = m_source->rowCount();
    const double height = rowHeight();
    const double top = m_region["scrollTop"].as<double>();
    const double shown = m_region["clientHeight"].as<double>();
    const auto firstInView = static_cast<std::size_t>(std::max(0.0, std::floor(top / height)));
    const auto endOfView = static_cast<std::size_t>(std::ceil((top + shown) / height));
    const std::size_t first = std::min(rows, firstInView > kSpare ? firstInView - kSpare : 0);
    const std::size_t last = std::min(rows, endOfView + kSpare);
    if (!m_stale && first == m_first && last == m_last)
        return;
    const std::size_t columns = m_source->columnCount();
    const val fragment = document().call<val>("createDocumentFragment");
    if (first > 0)
        fragment.call<void>("append", spacer(static_cast<double>(first) * height, columns));
    for (std::size_t r = first; r < last; ++r) {
        const val row = createElement("tr");
        setAttribute(row, "aria-rowindex", std::to_string(r + 2));
        for (std::size_t c = 0; c < columns; ++c) {
            const val cell = createElement("td");
            setText(cell, m_source->cell(r, c));
            row.call<void>("append", cell);
        }
        fragment.call<void>("append", row);
    }
    if (last < rows)
        fragment.call<void>("append", spacer(static_cast<double>(rows - last) * height, columns));
    m_body.call<void>("replaceChildren", fragment);
    m_stale = false;
    m_first = first;
    m_last = last;
}

} // namespace selmak::web
