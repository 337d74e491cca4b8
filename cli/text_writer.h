// SPDX-License-Identifier: MIT
#pragma once

#include "cli/writer.h"

#include <span>
#include <vector>

namespace selmak::cli {

// For a person, in the find window's words: each hit as a heading line (the query, then the hit
// as the find window lists it, or the step of a number) and the step's rows: the power, the
// current and each maker shown, captions padded to one width in characters, the matched maker
// marked with '*', and after each maker's model its model of today, marked where its rating is
// not confirmed or its range discontinued. A code read as a whole order code (shownOrder) has the
// coil and contacts read on its heading and each maker's whole code of today in its rows. A line
// that found nothing is its heading with the reason; an empty line says nothing. Records stand
// apart by a blank line. No control character of the input reaches the terminal.
class TextWriter : public AnswerWriter
{
public:
    explicit TextWriter(std::span<const Column> makers);
    void appendHeader(std::string &) override { }
    void appendRow(std::string &out, const lists::AnswerRow &row) override;

private:
    void appendHeading(std::string &out, const lists::AnswerRow &row);

    struct Row
    {
        Column column;
        std::size_t padding; // blanks after the caption
    };
    std::vector<Row> m_rows;
    bool m_first = true;
};

// The order a person is shown beside a hit, as the find window shows it (forms::showsOrder).
const Order *shownOrder(const lists::AnswerRow &row, const ModelHit &hit);

// The text as a terminal may show it: invalid UTF-8 and control characters made U+FFFD.
void appendPrintable(std::string &out, std::string_view text);

} // namespace selmak::cli
