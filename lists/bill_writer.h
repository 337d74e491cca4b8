// SPDX-License-Identifier: MIT
#pragma once

#include "lists/csv_columns.h"
#include "lists/list_reader.h"

#include <span>
#include <string>
#include <string_view>

namespace selmak::lists {

// A bill of materials written back as it was read: in the file's own encoding, byte-order mark,
// separator and line ends, each record's own cells byte for byte, then what its query found.
// A row narrower than the bill is padded with empty cells to the bill's width first, so that the
// answers stand under their headings; a wider one keeps its cells and the answers follow them.
class BillWriter
{
public:
    BillWriter(std::span<const Column> makers, const TextForm &form, const Layout &layout);

    // The header row with the answers' headings. The first row written gets the file's
    // byte-order mark, when it had one.
    void appendHeader(std::string &out, const ListRecord &record);
    // A row and its answer. A row whose quote never closed gets its closing quote first.
    void appendRow(std::string &out, const ListRecord &record, const AnswerRow &row);
    // A row as it was, without an answer: an empty line, or a row with no text.
    void appendUntouched(std::string &out, const ListRecord &record);

private:
    void appendOwn(const ListRecord &record);
    void finish(std::string &out, const ListRecord &record);

    FoundColumns m_found;
    TextForm m_form;
    Layout m_layout;
    std::string m_line; // one row in UTF-8, before it is encoded
    bool m_started = false; // the byte-order mark is written
};

} // namespace selmak::lists
