// SPDX-License-Identifier: MIT
#pragma once

#include "cli/output.h"
#include "cli/record.h"

#include <nlohmann/json.hpp>
#include <span>

namespace selmak::cli {

using Json = nlohmann::ordered_json; // keys in the order they are first set

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
    Json m_record; // every record is written from this one object, its keys set once
};

} // namespace selmak::cli
