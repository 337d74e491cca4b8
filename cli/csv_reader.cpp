// SPDX-License-Identifier: MIT
#include "cli/csv_reader.h"

#include "cli/utf8.h"

#include <algorithm>

namespace selmak::cli {

bool splitFields(std::string_view record, char separator, std::vector<std::string> &fields)
{
    fields.clear();
    std::size_t i = 0;
    for (;;) {
        std::string &field = fields.emplace_back();
        if (i < record.size() && record[i] == '"') {
            ++i;
            for (;;) {
                const std::size_t quote = record.find('"', i);
                if (quote == std::string_view::npos) {
                    field.append(record.substr(i));
                    return false;
                }
                field.append(record.substr(i, quote - i));
                i = quote + 1;
                if (i < record.size() && record[i] == '"') {
                    field.push_back('"');
                    ++i;
                } else {
                    break;
                }
            }
        }
        const std::size_t end = std::min(record.find(separator, i), record.size());
        field.append(record.substr(i, end - i));
        if (end == record.size())
            return true;
        i = end + 1;
    }
}

char detectSeparator(std::string_view header)
{
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : header) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

CsvReader::CsvReader(LineReader &lines) : m_lines(lines) { }

bool CsvReader::next(Record &record)
{
    LineReader::Line line;
    if (!m_lines.next(line))
        return false;
    m_raw.assign(line.text);
    m_ending.assign(line.ending);
    bool cut = line.cut;
    if (m_header && m_raw.starts_with(kByteOrderMark)) {
        m_byteOrderMark = true;
        m_raw.erase(0, kByteOrderMark.size());
    }
    if (m_header)
        m_separator = detectSeparator(m_raw);
    m_header = false;

    bool closed = splitFields(m_raw, m_separator, m_fields);
    // A quoted field goes on over the line break; the record is bounded like a line is.
    while (!closed && m_raw.size() <= LineReader::kMaxLine && m_lines.next(line)) {
        m_raw.append(m_ending);
        m_raw.append(line.text);
        m_ending.assign(line.ending);
        cut = cut || line.cut;
        closed = splitFields(m_raw, m_separator, m_fields);
    }
    record = { m_raw, m_ending, &m_fields, closed, cut };
    return true;
}

} // namespace selmak::cli
