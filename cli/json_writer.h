// SPDX-License-Identifier: MIT
#pragma once

#include "cli/output.h"
#include "cli/record_writer.h"
#include "cli/step_cells.h"

#include <span>

namespace selmak::cli {

// JSON Lines: one object a record with the keys query, kind, step, matched, power_kw, current_a,
// models (maker to model text, null for "---") and error.
class JsonWriter : public RecordWriter
{
public:
    JsonWriter(Output &out, std::span<const Column> makers);
    void write(const Record &record) override;

private:
    Output &m_out;
    PerStep m_steps; // from power_kw to the end of models
};

} // namespace selmak::cli
