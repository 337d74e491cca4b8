// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer.h"
#include "core/order.h"
#include "lists/order_cache.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace selmak::lists {

// What one line answered, as a format writes it.
struct AnswerRow
{
    std::string_view query; // as given
    QueryKind kind;
    Outcome outcome;
    std::span<const ModelHit> hits; // Answer::rated()
    // What the code reads as (core/order_codes.h), for the hits that are its frame (isFrameOf);
    // none for a number, or where no hit was found.
    const Order *order = nullptr;
};

// The order a row's hit was read as, where it is that hit's frame; none otherwise.
const Order *orderOf(const AnswerRow &row, const ModelHit &hit);
// The steps (a bit each) of the row's hits that stand at a step and are its order's frame.
std::uint32_t orderedSteps(const AnswerRow &row);

// The values CSV and JSON write: stable English, for scripts. An outcome's is empty for Found.
std::string_view outcomeValue(Outcome outcome);
std::string_view kindValue(QueryKind kind);

// Appends a field as RFC 4180 writes it: in double quotes, with each quote doubled, when it holds
// the separator, a quote or a line break; as it is otherwise. Invalid UTF-8 becomes U+FFFD.
void appendCsvField(std::string &out, std::string_view field, char separator);

// One column of what a line found: its heading (for a maker's column, what follows the maker's
// caption) and its text for one hit, or for none (a line that found nothing).
struct CsvColumn
{
    std::string_view heading;
    bool perMaker;
    void (*text)(std::string &out, const ModelHit *hit, const AnswerRow &row, Column maker);
};

// What a line found, column by column, in the order FoundColumns writes them. Model, Today and
// TodayCode are a maker's: its catalogue model, its model of today and its whole code of today.
enum class Found {
    Step,
    PowerKw,
    CurrentA,
    MatchedMaker,
    MatchedModel,
    MatchedRange,
    Model,
    Today,
    TodayCode,
    Error
};

// Appends one column's text for a line, as a CSV cell holds it before quoting: a line that names
// several steps gives each hit's text once, joined by "/". `maker` is the maker of a maker's
// column.
void appendFoundText(std::string &out, Found column, const AnswerRow &row, Column maker);

// The columns that tell what a line found, written after a bill's own and after a list's query and
// kind: step, power_kw, current_a, matched_maker, matched_model, matched_range (empty for the
// catalogue's model), for each maker shown its catalogue model, "<maker> today" and "<maker> today
// code" (its whole code of today for the coil and contacts the line's code reads as, with the
// auxiliary contacts to add: "AF26-30-00-13 + aux 1NO+1NC"), and error.
// A line that names several steps fills one row: each column holds the hits' texts joined by "/",
// each text once.
class FoundColumns
{
public:
    FoundColumns(std::span<const Column> makers, char separator);

    void appendHeader(std::string &out) const;
    void appendRow(std::string &out, const AnswerRow &row) const;
    // The number of columns, for a row that has no answer but must keep the bill's shape.
    std::size_t count() const;

private:
    void appendCell(std::string &out, const CsvColumn &column, const AnswerRow &row,
                    Column maker) const;
    const std::string &makersAt(const AnswerRow &row) const;

    std::span<const Column> m_makers;
    char m_separator;
    mutable std::string m_text; // one cell's texts, before they are joined
    mutable std::vector<std::pair<std::size_t, std::size_t>> m_pieces; // joined so far
    // The makers' cells of a line without an order at a step, by the steps' bits; of a line with
    // one, by the steps and the order.
    mutable std::unordered_map<std::uint32_t, std::string> m_makersAt;
    mutable OrderCache<std::string> m_orderedAt;
};

// A list's answers as CSV: a header, then for each line its query, its kind and what it found.
class ListCsvWriter
{
public:
    ListCsvWriter(std::span<const Column> makers, char separator, std::string_view lineEnd);

    void appendHeader(std::string &out) const;
    void appendRow(std::string &out, const AnswerRow &row) const;

private:
    FoundColumns m_found;
    char m_separator;
    std::string_view m_lineEnd;
};

} // namespace selmak::lists
