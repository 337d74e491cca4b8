// SPDX-License-Identifier: MIT
#pragma once

#include "lists/csv_columns.h"

#include <string>

namespace selmak::cli {

// Writes the answers of a list, or of one query, in one output format: each line's text appended
// to `out`, which the caller then hands on.
class AnswerWriter
{
public:
    virtual ~AnswerWriter() = default;
    virtual void appendHeader(std::string &out) = 0;
    virtual void appendRow(std::string &out, const lists::AnswerRow &row) = 0;

protected:
    AnswerWriter() = default;
    AnswerWriter(const AnswerWriter &) = default;
    AnswerWriter &operator=(const AnswerWriter &) = default;
};

} // namespace selmak::cli
