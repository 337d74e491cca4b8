// SPDX-License-Identifier: MIT
#pragma once

#include "cli/output.h"
#include "cli/record_writer.h"

#include <span>
#include <vector>

namespace selmak::cli {

// For a person: each record as a heading line and the step as the window shows it, one row of
// caption and text for the power, the current and each kept maker, the captions padded to one
// width in characters (not bytes) and the matched maker marked with '*'. A record that found
// nothing is its heading line with the reason. Records stand apart by a blank line.
class TextWriter : public RecordWriter
{
public:
    TextWriter(Output &out, std::span<const Column> makers);
    void write(const Record &record) override;

private:
    Output &m_out;
    std::vector<Column> m_rows;
    std::size_t m_width = 0;
    bool m_first = true;
};

} // namespace selmak::cli
