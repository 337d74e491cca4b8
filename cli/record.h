// SPDX-License-Identifier: MIT
#pragma once

#include "cli/query.h"
#include "core/columns.h"
#include "core/today_data.h"

#include <optional>
#include <string_view>

namespace selmak::cli {

// The model that a model code named: the catalogue's, or a frame of today's ranges or of the
// catalogue's series.
struct Matched
{
    Column maker;
    std::string_view model;
    const TodayFrame *frame = nullptr; // none for the catalogue's model
};

// One answer to one query: a size step of the catalogue, or why there is none. A query that names
// several cells gives one record for each.
struct Record
{
    std::string_view query; // as given
    QueryKind kind;
    std::optional<int> step;
    std::optional<Matched> matched;
    std::string_view error; // empty when the query found its step
};

// Writes records in one output format.
class RecordWriter
{
public:
    virtual ~RecordWriter() = default;
    virtual void write(const Record &record) = 0;
};

} // namespace selmak::cli
