// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>

namespace selmak::cli {

// Standard output through one large buffer: written in big blocks, or after each record when a
// person is watching it on a terminal.
class Output
{
public:
    explicit Output(std::FILE *file);
    ~Output();
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    // Where the next record is appended; endRecord() hands it on.
    std::string &text() { return m_text; }
    void endRecord();
    // False when anything could not be written.
    bool finish();

private:
    void write();

    std::FILE *m_file;
    std::string m_text;
    bool m_terminal;
    bool m_failed = false;
};

// Whether the stream is a terminal, where output goes out line by line and is aligned for a reader.
bool isTerminal(std::FILE *file);

} // namespace selmak::cli
