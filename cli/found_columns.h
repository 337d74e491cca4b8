// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"

#include <span>
#include <string>

namespace selmak::cli {

// The CSV columns that tell what a query found: step, power_kw, current_a, matched_maker,
// matched_model, matched_range (empty for the catalogue's model), for each kept maker its
// catalogue model and "<maker> today", its model of today, and error. Both CSV outputs end their
// rows with them.
class FoundColumns
{
public:
    FoundColumns(std::span<const Column> makers, char separator);

    void appendHeader(std::string &out) const;
    void appendRecord(std::string &out, const Record &record) const;

private:
    std::span<const Column> m_makers;
    char m_separator;
};

} // namespace selmak::cli
