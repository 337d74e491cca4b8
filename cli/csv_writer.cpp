// SPDX-License-Identifier: MIT
#include "cli/csv_writer.h"

#include "cli/csv_field.h"

namespace selmak::cli {

namespace {
constexpr char kSeparator = ',';
constexpr std::string_view kLineEnd = "\r\n";
} // namespace

CsvWriter::CsvWriter(Output &out, std::span<const Column> makers)
    : m_out(out), m_found(makers, kSeparator)
{
    std::string &text = m_out.text();
    text.append("query,kind,");
    m_found.appendHeader(text);
    text.append(kLineEnd);
    m_out.endRecord();
}

void CsvWriter::write(const Record &record)
{
    std::string &text = m_out.text();
    appendCsvField(text, record.query, kSeparator);
    text.push_back(kSeparator);
    text.append(kindName(record.kind));
    text.push_back(kSeparator);
    m_found.appendRecord(text, record);
    text.append(kLineEnd);
    m_out.endRecord();
}

} // namespace selmak::cli
