// SPDX-License-Identifier: MIT
#include "cli/bill_writer.h"

#include "cli/utf8.h"

namespace selmak::cli {

BillWriter::BillWriter(Output &out, std::span<const Column> makers, char separator)
    : m_out(out), m_found(makers, separator), m_separator(separator)
{ }

void BillWriter::endRow(std::string_view ending)
{
    m_out.text().append(ending.empty() ? std::string_view(m_lineEnd) : ending);
    m_out.endRecord();
}

void BillWriter::writeHeader(std::string_view raw, std::string_view ending, bool byteOrderMark)
{
    if (!ending.empty())
        m_lineEnd = ending;
    std::string &text = m_out.text();
    if (byteOrderMark)
        text.append(kByteOrderMark);
    text.append(raw);
    text.push_back(m_separator);
    m_found.appendHeader(text);
    endRow(ending);
}

void BillWriter::writeRow(std::string_view raw, std::string_view ending, bool closed,
                          const Record &record)
{
    std::string &text = m_out.text();
    text.append(raw);
    if (!closed)
        text.push_back('"');
    text.push_back(m_separator);
    m_found.appendRecord(text, record);
    endRow(ending);
}

} // namespace selmak::cli
