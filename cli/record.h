// SPDX-License-Identifier: MIT
#pragma once

#include "cli/query.h"
#include "core/columns.h"

#include <optional>
#include <string_view>

namespace selmak::cli {

// The catalogue model that a model code named.
struct Matched
{
    Column maker;
    std::string_view model;
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

} // namespace selmak::cli
