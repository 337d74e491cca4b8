// SPDX-License-Identifier: MIT
#pragma once

#include "cli/found_columns.h"
#include "cli/output.h"

#include <string_view>

namespace selmak::cli {

// A bill of materials passed through: each row as it was read, with what its query found
// appended in the file's own separator, and the header with the appended columns' names.
class BillWriter
{
public:
    BillWriter(Output &out, std::span<const Column> makers, char separator);

    void writeHeader(std::string_view raw, std::string_view ending, bool byteOrderMark);
    // `closed` is false for a row cut off inside a quoted field, which is closed first.
    void writeRow(std::string_view raw, std::string_view ending, bool closed, const Record &record);

private:
    void endRow(std::string_view ending);

    Output &m_out;
    FoundColumns m_found;
    char m_separator;
    std::string m_lineEnd = "\n"; // the header's, for a last row that had none
};

} // namespace selmak::cli
