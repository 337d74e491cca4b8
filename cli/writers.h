// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"
#include "cli/output.h"
#include "cli/record.h"

#include <memory>
#include <span>

namespace selmak::cli {

// The writer for an output format; csv writes its header at once.
std::unique_ptr<RecordWriter> makeWriter(Format format, Output &out,
                                         std::span<const Column> makers);

} // namespace selmak::cli
