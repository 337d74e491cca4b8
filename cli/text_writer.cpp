// SPDX-License-Identifier: MIT
#include "cli/text_writer.h"

#include "cli/utf8.h"
#include "core/catalog.h"
#include "core/today_ranges.h"

#include <algorithm>

namespace selmak::cli {

namespace {

std::string_view cell(Column column, int step)
{
    return Catalog::cell(column, step).value_or(std::string_view {});
}

} // namespace

std::string &appendMatched(std::string &out, const Matched &matched)
{
    out.append(columnInfo(matched.maker).heading).push_back(' ');
    out.append(matched.model);
    if (const TodayFrame *frame = matched.frame) {
        out.append(frame->kind == FrameKind::Today ? " (today's range: "
                                                   : " (a frame of the catalogue's series: ");
        out.append(frame->brand).push_back(' ');
        out.append(frame->range).append(", ");
        if (!frame->powerText.empty())
            out.append(frame->powerText).append(" kW, ");
        out.append(frame->currentText).append(" A)");
    }
    return out;
}

TextWriter::TextWriter(Output &out, std::span<const Column> makers) : m_out(out)
{
    std::vector<Column> columns { Column::Power, Column::Current };
    columns.insert(columns.end(), makers.begin(), makers.end());
    std::size_t width = 0;
    for (const Column column : columns)
        width = std::max(width, displayWidth(columnInfo(column).heading));
    for (const Column column : columns)
        m_rows.push_back({ column, width - displayWidth(columnInfo(column).heading) + 2 });
}

void TextWriter::write(const Record &record)
{
    std::string &text = m_out.text();
    if (!m_first)
        text.push_back('\n');
    m_first = false;
    appendValid(text, record.query);
    if (!record.step) {
        text.append(": ");
        if (record.matched)
            appendMatched(text, *record.matched).append(": ");
        text.append(record.error);
        text.push_back('\n');
        m_out.endRecord();
        return;
    }
    const int step = *record.step;
    text.append(": step ");
    text.append(std::to_string(step));
    if (record.matched)
        appendMatched(text.append(", "), *record.matched);
    if (!record.error.empty()) {
        text.append(" (");
        text.append(record.error);
        text.push_back(')');
    }
    text.push_back('\n');
    std::size_t modelWidth = 0;
    for (const Row &row : m_rows) {
        if (isMaker(row.column))
            modelWidth = std::max(modelWidth, displayWidth(cell(row.column, step)));
    }
    for (const auto &[column, padding] : m_rows) {
        const std::string_view model = cell(column, step);
        text.append(record.matched && record.matched->maker == column ? "* " : "  ");
        text.append(columnInfo(column).heading);
        text.append(padding, ' ');
        text.append(model);
        if (isMaker(column)) {
            text.append(modelWidth - displayWidth(model) + 2, ' ');
            text.append("today ");
            text.append(todayModel(column, step));
        }
        text.push_back('\n');
    }
    m_out.endRecord();
}

} // namespace selmak::cli
