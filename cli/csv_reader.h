// SPDX-License-Identifier: MIT
#pragma once

#include "cli/line_reader.h"

#include <string>
#include <string_view>
#include <vector>

namespace selmak::cli {

// Splits one CSV record as RFC 4180 reads it: a field that starts with a double quote runs to
// the closing quote, with "" standing for one quote; other fields run to the separator. Text
// between a closing quote and the separator is kept, not refused. False when the record ends
// inside a quoted field, which then holds the rest of the text.
bool splitFields(std::string_view record, char separator, std::vector<std::string> &fields);

// The separator of a CSV file from its header: the semicolon when it stands outside quotes more
// often than the comma, otherwise the comma.
char detectSeparator(std::string_view header);

// Reads a CSV file record by record; a quoted field may hold line breaks, so a record may span
// several lines. The first record is the header, from which the separator is found; a UTF-8
// byte-order mark before it is skipped and remembered.
class CsvReader
{
public:
    explicit CsvReader(LineReader &lines);

    struct Record
    {
        std::string_view raw; // the record's text as read, without its line ending
        std::string_view ending;
        const std::vector<std::string> *fields;
        bool closed; // false when the file ended inside a quoted field
        bool cut; // a line of it was longer than LineReader::kMaxLine
    };

    // The next record, or false at the end of the file. Valid until the next call.
    bool next(Record &record);

    char separator() const { return m_separator; }
    bool byteOrderMark() const { return m_byteOrderMark; }

private:
    LineReader &m_lines;
    std::string m_raw;
    std::string m_ending;
    std::vector<std::string> m_fields;
    char m_separator = ',';
    bool m_header = true;
    bool m_byteOrderMark = false;
};

} // namespace selmak::cli
