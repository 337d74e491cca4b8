// SPDX-License-Identifier: MIT
#include "lists/bill_writer.h"

#include "lists/csv_split.h"

#include <utility>

namespace selmak::lists {

BillWriter::BillWriter(std::span<const Column> makers, const TextForm &form, const Layout &layout)
    : m_found(makers, layout.separator), m_form(form), m_layout(layout)
{ }

void BillWriter::appendOwn(const ListRecord &record)
{
    m_line.assign(record.text);
    if (record.unclosed)
        m_line.push_back('"');
    const std::size_t fields = fieldCount(m_line, m_layout.separator);
    if (fields < m_layout.width)
        m_line.append(m_layout.width - fields, m_layout.separator);
    m_line.push_back(m_layout.separator);
}

void BillWriter::finish(std::string &out, const ListRecord &record)
{
    if (m_form.byteOrderMark && !std::exchange(m_started, true))
        out.append(byteOrderMark(m_form.encoding));
    m_line.append(record.ending);
    encode(m_line, m_form.encoding, out);
}

void BillWriter::appendHeader(std::string &out, const ListRecord &record)
{
    appendOwn(record);
    m_found.appendHeader(m_line);
    finish(out, record);
}

void BillWriter::appendRow(std::string &out, const ListRecord &record, const AnswerRow &row)
{
    appendOwn(record);
    m_found.appendRow(m_line, row);
    finish(out, record);
}

void BillWriter::appendUntouched(std::string &out, const ListRecord &record)
{
    m_line.assign(record.text);
    finish(out, record);
}

} // namespace selmak::lists
