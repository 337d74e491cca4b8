// SPDX-License-Identifier: MIT
#pragma once

#include "cli/output.h"
#include "cli/record.h"

#include <span>

namespace selmak::cli {

// JSON Lines: one object a record with the keys query, kind, step, matched (maker, model, and
// range: null for the catalogue's model, otherwise the frame's brand, name, kind, power_kw and
// current_a), power_kw, current_a, models (maker to the catalogue's model, null for "---"), today
// (maker to the model of today, null for none) and error.
class JsonWriter : public RecordWriter
{
public:
    JsonWriter(Output &out, std::span<const Column> makers);
    void write(const Record &record) override;

private:
    Output &m_out;
    std::span<const Column> m_makers;
};

} // namespace selmak::cli
