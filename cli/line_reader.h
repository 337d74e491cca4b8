// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

namespace selmak::cli {

// Reads a file a line at a time through one buffer, so that a list of any length streams in
// the memory its longest line needs. A line ends at LF; a CR before it is not part of the line,
// and the last line needs no LF. Bytes are passed on as they are: NUL, invalid UTF-8.
class LineReader
{
public:
    // A line longer than this is cut there, so that memory stays bounded whatever the input.
    static constexpr std::size_t kMaxLine = std::size_t { 16 } << 20;

    explicit LineReader(std::FILE *file);

    struct Line
    {
        std::string_view text; // valid until the next call
        std::string_view ending; // "\n", "\r\n" or "" at the end of the file
        bool cut = false; // longer than kMaxLine: the rest of it was skipped
    };

    // The next line, or false at the end of the file or on a read error.
    bool next(Line &line);
    bool failed() const { return std::ferror(m_file) != 0; }

private:
    bool fill();
    bool skipRest(std::size_t keepEnd);

    std::FILE *m_file;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
};

} // namespace selmak::cli
