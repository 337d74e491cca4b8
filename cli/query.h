// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace selmak::cli {

enum class QueryKind { Power, Current, Model };

// What a line of a list asks for, and the text to look it up with.
struct Query
{
    QueryKind kind;
    std::string numeral; // for a power or current, with a decimal comma made a point
};

// Sorts a line of a list: a number followed by kW or кВт (any case) is a power, one followed by
// A or А (Latin or Cyrillic) a current, a bare number a power, anything else a model code.
// Lists come from spreadsheets in locales that write 7,5 for 7.5, so the comma counts as a
// decimal point here.
Query classifyQuery(std::string_view line);

std::string_view kindName(QueryKind kind);

// A power or a current as given on the command line or in a list, each decimal comma made a point:
// "4,5" is 4.5 wherever it is written.
std::string withDecimalPoint(std::string_view numeral);

} // namespace selmak::cli
