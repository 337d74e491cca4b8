// SPDX-License-Identifier: MIT
#pragma once

#include "cli/output.h"
#include "cli/record.h"

#include <span>
#include <string>
#include <vector>

namespace selmak::cli {

// For a person: each record as a heading line and the step as the window shows it, one row of
// caption and text for the power, the current and each kept maker, the captions padded to one
// width in characters (not bytes) and the matched maker marked with '*'. Each maker's row then
// names the maker's model of today, the catalogue's models padded to one width. A record that
// found no step is its heading line with the reason. Records stand apart by a blank line.
class TextWriter : public RecordWriter
{
public:
    TextWriter(Output &out, std::span<const Column> makers);
    void write(const Record &record) override;

private:
    Output &m_out;
    struct Row
    {
        Column column;
        std::size_t padding; // blanks after the caption
    };
    std::vector<Row> m_rows;
    bool m_first = true;
};

// The matched model as a heading names it: the maker and model, and for a frame where it is from
// and its rating ("Siemens 3RT2026 (today's range: Siemens SIRIUS 3RT2, 11 kW, 25 A)").
std::string &appendMatched(std::string &out, const Matched &matched);

} // namespace selmak::cli
