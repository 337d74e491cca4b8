// SPDX-License-Identifier: MIT
#include "lists/csv_columns.h"

#include "core/catalog.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"
#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace selmak::lists {
namespace {

bool stepped(const ModelHit *hit)
{
    return hit != nullptr && hit->step != kNoStep;
}

void catalogueCell(std::string &out, const ModelHit *hit, Column column)
{
    if (stepped(hit))
        out.append(Catalog::cell(column, hit->step).value_or(""));
}

bool named(const ModelHit *hit)
{
    return hit != nullptr && !hit->model.empty();
}

// "AF26-30-00-13", or with the auxiliary contacts the code lacks "AF26-30-00-13 + aux 1NO+1NC";
// nothing where no code is written.
void todayCodeCell(std::string &out, const ModelHit *hit, const AnswerRow &row, Column maker)
{
    const Order *order = stepped(hit) ? orderOf(row, *hit) : nullptr;
    if (order == nullptr)
        return;
    const TodayCode code = todayCode(maker, hit->step, *order);
    if (code.outcome != TodayCodeOutcome::Written)
        return;
    out.append(code.code);
    if (code.missing.no > 0 || code.missing.nc > 0) {
        out.append(" + aux ");
        if (code.missing.no > 0)
            out.append(std::to_string(code.missing.no)).append("NO");
        if (code.missing.no > 0 && code.missing.nc > 0)
            out.push_back('+');
        if (code.missing.nc > 0)
            out.append(std::to_string(code.missing.nc)).append("NC");
    }
}

// The one table of columns; a maker's columns stand together.
constexpr std::array<CsvColumn, 10> kColumns { {
    { "step", false,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column) {
          if (stepped(hit))
              out.append(std::to_string(hit->step));
      } },
    { "power_kw", false,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column) {
          catalogueCell(out, hit, Column::Power);
      } },
    { "current_a", false,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column) {
          catalogueCell(out, hit, Column::Current);
      } },
    { "matched_maker", false,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column) {
          if (named(hit))
              out.append(columnInfo(hit->maker).heading);
      } },
    { "matched_model", false,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column) {
          if (named(hit))
              out.append(hit->model);
      } },
    { "matched_range", false,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column) {
          if (named(hit) && hit->frame != nullptr)
              out.append(hit->frame->range);
      } },
    { "", true,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column maker) {
          catalogueCell(out, hit, maker);
      } },
    { " today", true,
      [](std::string &out, const ModelHit *hit, const AnswerRow &, Column maker) {
          if (stepped(hit))
              out.append(todayModel(maker, hit->step));
      } },
    { " today code", true, todayCodeCell },
    { "error", false,
      [](std::string &out, const ModelHit *hit, const AnswerRow &row, Column) {
          out.append(outcomeValue(hit != nullptr ? outcomeOf(*hit, row.outcome) : row.outcome));
      } },
} };

// Calls `each` for every column in order, a maker's columns once for each maker; or, where
// `makers` says it has written them itself, `each` for the other columns only.
template<typename Each, typename Makers>
void forEachColumn(std::span<const Column> makers, Each each, Makers makersWritten)
{
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (!kColumns[i].perMaker) {
            each(kColumns[i], Column::Power);
            continue;
        }
        std::size_t end = i;
        while (end < kColumns.size() && kColumns[end].perMaker)
            ++end;
        if (!makersWritten()) {
            for (const Column maker : makers) {
                for (std::size_t k = i; k < end; ++k)
                    each(kColumns[k], maker);
            }
        }
        i = end - 1;
    }
}

template<typename Each> void forEachColumn(std::span<const Column> makers, Each each)
{
    forEachColumn(makers, each, [] { return false; });
}

} // namespace

std::string_view outcomeValue(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Found:
        return {};
    case Outcome::Candidate:
        return "not a whole model: a model that begins with it";
    case Outcome::NothingToFind:
        return "no letter or digit to look up";
    case Outcome::NoModel:
        return "no catalogue model begins this code";
    case Outcome::BelowSmallestStep:
        return "below the smallest step";
    case Outcome::NoPublishedPower:
        return "its maker gives no AC-3 power at 400 V";
    case Outcome::RatingNotConfirmed:
        return "its rating is not confirmed";
    case Outcome::OutOfRange:
        return "outside the catalogue's range";
    case Outcome::LineTooLong:
        return "line longer than 16 MiB: not looked up";
    case Outcome::NoSuchColumn:
        return "the row has no such column";
    }
    return {};
}

std::string_view kindValue(QueryKind kind)
{
    switch (kind) {
    case QueryKind::Power:
        return "power";
    case QueryKind::Current:
        return "current";
    case QueryKind::Model:
        break;
    }
    return "model";
}

const Order *orderOf(const AnswerRow &row, const ModelHit &hit)
{
    return row.order != nullptr && isFrameOf(hit, *row.order) ? row.order : nullptr;
}

std::uint32_t orderedSteps(const AnswerRow &row)
{
    std::uint32_t steps = 0;
    for (const ModelHit &hit : row.hits) {
        if (hit.step != kNoStep && orderOf(row, hit) != nullptr)
            steps |= std::uint32_t { 1 } << hit.step;
    }
    return steps;
}

namespace {

// RFC 4180's quoting, with `append` for the text between the quotes.
template<typename Append>
void appendQuoted(std::string &out, std::string_view field, char separator, Append append)
{
    // A loop, not find_first_of, which searches the set once for every character of the field.
    const bool plain = std::none_of(field.begin(), field.end(), [separator](char c) {
        return c == separator || c == '"' || c == '\r' || c == '\n';
    });
    if (plain) {
        append(out, field);
        return;
    }
    out.push_back('"');
    for (std::size_t quote; (quote = field.find('"')) != std::string_view::npos;) {
        append(out, field.substr(0, quote + 1));
        out.push_back('"');
        field.remove_prefix(quote + 1);
    }
    append(out, field);
    out.push_back('"');
}

// The program's own texts (the catalogue, today's ranges, the headings) are valid UTF-8 already.
void appendOwnField(std::string &out, std::string_view field, char separator)
{
    appendQuoted(out, field, separator,
                 [](std::string &to, std::string_view text) { to.append(text); });
}

} // namespace

void appendCsvField(std::string &out, std::string_view field, char separator)
{
    appendQuoted(out, field, separator,
                 [](std::string &to, std::string_view text) { appendValid(to, text); });
}

FoundColumns::FoundColumns(std::span<const Column> makers, char separator)
    : m_makers(makers), m_separator(separator)
{ }

std::size_t FoundColumns::count() const
{
    std::size_t count = 0;
    forEachColumn(m_makers, [&count](const CsvColumn &, Column) { ++count; });
    return count;
}

void FoundColumns::appendHeader(std::string &out) const
{
    bool first = true;
    forEachColumn(m_makers, [&](const CsvColumn &column, Column maker) {
        if (!first)
            out.push_back(m_separator);
        first = false;
        std::string heading(column.perMaker ? columnInfo(maker).heading : std::string_view {});
        heading.append(column.heading);
        appendCsvField(out, heading, m_separator);
    });
}

namespace {

// A column's text for a line into `text`, which it replaces; `pieces` is room for the joined
// texts' places, kept by the caller so that a list's every line does not allocate it anew.
void foundText(std::string &text, std::vector<std::pair<std::size_t, std::size_t>> &pieces,
               const CsvColumn &column, const AnswerRow &row, Column maker)
{
    text.clear();
    if (row.hits.size() <= 1) {
        column.text(text, row.hits.empty() ? nullptr : &row.hits.front(), row, maker);
        return;
    }
    // Each hit's text once, in the hits' order, joined by "/".
    pieces.clear();
    for (const ModelHit &hit : row.hits) {
        const std::size_t begin = text.size() + (text.empty() ? 0 : 1);
        text.append(text.empty() ? "" : "/");
        column.text(text, &hit, row, maker);
        const std::string_view piece = std::string_view(text).substr(begin);
        const bool seen
            = piece.empty() || std::any_of(pieces.begin(), pieces.end(), [&](const auto &p) {
                  return std::string_view(text).substr(p.first, p.second) == piece;
              });
        if (seen)
            text.resize(begin == 0 ? 0 : begin - 1);
        else
            pieces.emplace_back(begin, piece.size());
    }
}

static_assert(kColumns.size() == static_cast<std::size_t>(Found::Error) + 1);
static_assert(kColumns[static_cast<std::size_t>(Found::Today)].heading == " today");
static_assert(kColumns[static_cast<std::size_t>(Found::TodayCode)].heading == " today code");

} // namespace

void appendFoundText(std::string &out, Found column, const AnswerRow &row, Column maker)
{
    std::string text;
    std::vector<std::pair<std::size_t, std::size_t>> pieces;
    foundText(text, pieces, kColumns[static_cast<std::size_t>(column)], row, maker);
    out.append(text);
}

void FoundColumns::appendCell(std::string &out, const CsvColumn &column, const AnswerRow &row,
                              Column maker) const
{
    foundText(m_text, m_pieces, column, row, maker);
    appendOwnField(out, m_text, m_separator);
}

// The makers' cells of a line, the same for every line that finds the same steps and, where its
// order stands at some of them, reads the same coil, contacts and terminals: made once for each.
const std::string &FoundColumns::makersAt(const AnswerRow &row) const
{
    std::uint32_t steps = 0;
    for (const ModelHit &hit : row.hits)
        steps |= std::uint32_t { 1 } << hit.step;
    const std::uint32_t ordered = row.order != nullptr ? orderedSteps(row) : 0;
    std::string &text = ordered == 0
        ? m_makersAt[steps]
        : m_orderedAt.at(std::uint64_t { ordered } << 32 | steps, *row.order);
    if (text.empty()) {
        for (const Column maker : m_makers) {
            for (const CsvColumn &column : kColumns) {
                if (column.perMaker) {
                    text.push_back(m_separator);
                    appendCell(text, column, row, maker);
                }
            }
        }
    }
    return text;
}

void FoundColumns::appendRow(std::string &out, const AnswerRow &row) const
{
    bool first = true;
    forEachColumn(
        m_makers,
        [&](const CsvColumn &column, Column maker) {
            if (!first)
                out.push_back(m_separator);
            first = false;
            appendCell(out, column, row, maker);
        },
        [&] {
            if (row.hits.empty())
                return false;
            out.append(makersAt(row));
            return true;
        });
}

ListCsvWriter::ListCsvWriter(std::span<const Column> makers, char separator,
                             std::string_view lineEnd)
    : m_found(makers, separator), m_separator(separator), m_lineEnd(lineEnd)
{ }

void ListCsvWriter::appendHeader(std::string &out) const
{
    out.append("query").push_back(m_separator);
    out.append("kind").push_back(m_separator);
    m_found.appendHeader(out);
    out.append(m_lineEnd);
}

void ListCsvWriter::appendRow(std::string &out, const AnswerRow &row) const
{
    appendCsvField(out, row.query, m_separator);
    out.push_back(m_separator);
    out.append(kindValue(row.kind)).push_back(m_separator);
    m_found.appendRow(out, row);
    out.append(m_lineEnd);
}

} // namespace selmak::lists
