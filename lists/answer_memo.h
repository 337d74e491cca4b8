// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer.h"
#include "lists/csv_columns.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace selmak::lists {

// A line's answer as a list's row shows it: the rated hits (Answer::rated()) and the order read.
struct RowAnswer
{
    static RowAnswer of(const Answer &found);

    // The row a writer takes for `query`, viewing this answer: valid while it lives.
    AnswerRow row(std::string_view query) const;

    QueryKind kind = QueryKind::Model;
    Outcome outcome = Outcome::Found;
    std::vector<ModelHit> hits;
    Order order; // no frame for a number, or where nothing was found
    // What a run's writer made of the line, kept for the next time it recurs: a run writes every
    // line in one format, and a line's text decides its row.
    std::string written;
};

// The answers of the lines read last. A bill of materials names the same part numbers row after
// row, and a line's answer depends on its text alone, so each is looked up once while it recurs.
// Memory stays bounded whatever the list's length: two generations of at most `capacity` lines
// each, the older dropped when the newer is full, so that what recurs stays and what does not
// passes through.
class AnswerMemo
{
public:
    explicit AnswerMemo(std::size_t capacity = 8192) : m_capacity(capacity) { }

    // The answer to a line as a list reads it (core/answer.h); valid until the next call.
    RowAnswer &answer(std::string_view text);

private:
    using Generation = std::unordered_map<std::string, RowAnswer>;

    std::size_t m_capacity;
    Generation m_newer;
    Generation m_older;
};

} // namespace selmak::lists
