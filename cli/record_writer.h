// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"

namespace selmak::cli {

// Writes records in one output format.
class RecordWriter
{
public:
    virtual ~RecordWriter() = default;
    virtual void write(const Record &record) = 0;
};

} // namespace selmak::cli
