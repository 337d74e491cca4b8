// SPDX-License-Identifier: MIT
#pragma once

#include "cli/found_columns.h"
#include "cli/output.h"
#include "cli/record.h"

namespace selmak::cli {

// CSV as RFC 4180 writes it, UTF-8, comma-separated, CRLF line ends, a header first: the query,
// its kind, then what it found.
class CsvWriter : public RecordWriter
{
public:
    CsvWriter(Output &out, std::span<const Column> makers);
    void write(const Record &record) override;

private:
    Output &m_out;
    FoundColumns m_found;
};

} // namespace selmak::cli
