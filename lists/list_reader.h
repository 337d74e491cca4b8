// SPDX-License-Identifier: MIT
#pragma once

#include "lists/byte_source.h"
#include "lists/encoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace selmak::lists {

// The separators a bill may use, in the order that wins a tie.
inline constexpr std::string_view kSeparators = "\t;,";

// How a bill's records are laid out, from its first records: the separator whose field counts
// agree over most of them (at least two fields), and the most fields any of them has. Where no
// separator splits the records alike, the one that Excel writes in that encoding: a tab in
// UTF-16, ';' in Windows-1251 and in UTF-8 with a byte-order mark, ',' in UTF-8 without.
struct Layout
{
    char separator;
    std::size_t width;
};
Layout sniffLayout(std::string_view text, const TextForm &form, std::optional<char> separator);

// One record as read: a line, or for a bill the lines a quoted field holds together.
struct ListRecord
{
    std::string_view text; // UTF-8, without its last line end; valid until the next record
    std::string_view ending; // "\r\n", "\n", "\r", or "" for a last line without one
    std::size_t line = 0; // where it starts, counted from 1
    std::size_t lines = 0; // how many lines it spans
    bool cut = false; // longer than kMaxRecord: the rest of it was skipped
    // A quote opened in this line and never closed: the record is this line alone, the quote
    // would have taken `taken` lines (to the end of the file, or to kMaxRecord), and the reading
    // goes on from the next line.
    bool unclosed = false;
    std::size_t taken = 0;
    bool toEnd = false; // the quote ran to the end of the file
};

// Reads a list or a bill of materials record by record in one pass, in memory bounded by its
// longest record: any of Excel's text formats (UTF-8 with or without a byte-order mark, UTF-16
// with one, Windows-1251), any line ends (CRLF, LF, CR), and for a bill RFC 4180 quoting. The
// same reader serves a file as it streams and text a window already holds.
class ListReader
{
public:
    static constexpr std::size_t kMaxRecord = std::size_t { 16 } << 20;

    struct Options
    {
        bool csv = false; // a bill: records are CSV and a quoted field may go over lines
        std::optional<char> separator; // the separator, where it is not to be found
    };

    ListReader(ByteSource &source, const Options &options);

    // Reads the head of the input: whether it is text, its encoding and for a bill its layout.
    // Nothing else is valid when it is not text.
    NotText open();

    const TextForm &form() const { return m_form; }
    const Layout &layout() const { return m_layout; }

    // The next record; false at the end.
    bool next(ListRecord &record);

    bool failed() const { return m_source.failed(); }
    // Half a UTF-16 character at the very end, which no record holds.
    bool leftOver() const { return m_decoder.leftOver(); }

private:
    struct Line
    {
        std::size_t end; // of its text, in m_text
        std::size_t ending; // length of its line end
        bool cut; // longer than kMaxRecord: the rest was skipped
    };

    bool fill();
    std::optional<Line> lineAt(std::size_t begin);
    void skipTo(std::size_t keep, Line &line);
    Line kept(std::size_t begin, Line line);

    ByteSource &m_source;
    Options m_options;
    TextForm m_form;
    Decoder m_decoder { Encoding::Utf8 };
    Layout m_layout { ',', 1 };
    std::vector<char> m_chunk;
    std::string m_text; // decoded text from m_pos on is yet to be read
    std::size_t m_pos = 0;
    // The line that starts at m_scanBegin has no line end before m_scanned.
    std::size_t m_scanBegin = 0;
    std::size_t m_scanned = 0;
    std::size_t m_line = 1;
    bool m_end = false;
};

// Whether a bill's record holds any text: not only separators, quotes and blanks.
bool hasText(std::string_view record, char separator);

} // namespace selmak::lists
