// SPDX-License-Identifier: MIT
#include "cli/text_writer.h"

#include "cli/step_cells.h"
#include "cli/utf8.h"

#include <algorithm>

namespace selmak::cli {

TextWriter::TextWriter(Output &out, std::span<const Column> makers) : m_out(out)
{
    m_rows = { Column::Power, Column::Current };
    m_rows.insert(m_rows.end(), makers.begin(), makers.end());
    for (const Column column : m_rows)
        m_width = std::max(m_width, displayWidth(columnInfo(column).heading));
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
        text.append(record.error);
        text.push_back('\n');
        m_out.endRecord();
        return;
    }
    text.append(": step ");
    text.append(std::to_string(*record.step));
    if (record.matched) {
        text.append(", ");
        text.append(columnInfo(record.matched->maker).heading);
        text.push_back(' ');
        text.append(record.matched->model);
    }
    if (!record.error.empty()) {
        text.append(" (");
        text.append(record.error);
        text.push_back(')');
    }
    text.push_back('\n');
    for (const Column column : m_rows) {
        const std::string_view heading = columnInfo(column).heading;
        text.append(record.matched && record.matched->maker == column ? "* " : "  ");
        text.append(heading);
        text.append(m_width - displayWidth(heading) + 2, ' ');
        text.append(stepCell(column, *record.step));
        text.push_back('\n');
    }
    m_out.endRecord();
}

} // namespace selmak::cli
