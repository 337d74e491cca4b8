// SPDX-License-Identifier: MIT
#pragma once

#include "cli/console.h"
#include "cli/options.h"

namespace selmak::cli {

// Exit statuses: every query found its step, some query did not (or a record of the file could
// not be read as written), the command line or the file was wrong.
inline constexpr int kAllFound = 0;
inline constexpr int kSomeNotFound = 1;
inline constexpr int kUsageError = 2;

// One query: what it found on standard output. In text, a query that found no step says only
// why, on standard error; CSV and JSON write its record, error and all, as for a list's line.
int runSingle(const Options &options, Stream &out, Stream &err, Language language);

// A list, one query a line, or with options.column a bill of materials: every record answered
// once and in order, or said on standard error (file:line: why) not to have been.
int runBatch(const Options &options, Stream &out, Stream &err, Language language);

} // namespace selmak::cli
