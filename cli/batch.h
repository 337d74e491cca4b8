// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"
#include "cli/output.h"

namespace selmak::cli {

// Exit statuses: every query found its step, some query did not, the command line or a file
// was wrong.
inline constexpr int kAllFound = 0;
inline constexpr int kSomeNotFound = 1;
inline constexpr int kUsageError = 2;

// Answers each line of a list, or each row of a bill of materials with options.column, and
// returns the exit status. Every line or row gives at least one record, none is dropped.
int runBatch(const Options &options, Output &out);

} // namespace selmak::cli
