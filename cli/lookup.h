// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"

#include <string_view>
#include <vector>

namespace selmak::cli {

inline constexpr std::string_view kNoModel = "no catalogue model begins this code";
inline constexpr std::string_view kNothingToFind = "no letter or digit to look up";
inline constexpr std::string_view kCandidate = "not a whole model: a model that begins with it";
inline constexpr std::string_view kLineTooLong = "line longer than 16 MiB: not looked up";
inline constexpr std::string_view kNoSuchColumn = "the row has no such column";

// Looks a query up and appends its records. A power or a current is read from `numeral` by the
// window's lenient reader and classified as the window does; a value out of range gives the
// window's warning as the error. A model code gives a record for each cell it names, or for each
// model it is the beginning of (each with kCandidate as its error), or one that says it found
// nothing. A frame below the smallest step gives a record without a step that says so.
void lookUp(std::string_view query, QueryKind kind, std::string_view numeral,
            std::vector<Record> &records);

} // namespace selmak::cli
