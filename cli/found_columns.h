// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"
#include "cli/step_cells.h"

#include <span>
#include <string>

namespace selmak::cli {

// The CSV columns that tell what a query found: step, power_kw, current_a, matched_maker,
// matched_model, one column for each kept maker's model, and error. Both CSV outputs end their
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
    PerStep m_steps; // power_kw and current_a, each with the separator before it
    PerStep m_models; // the kept makers' models, each with the separator before it
};

} // namespace selmak::cli
