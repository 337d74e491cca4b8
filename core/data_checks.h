// SPDX-License-Identifier: MIT
#pragma once

#include "core/code_form.h"
#include "core/data_fault.h"
#include "core/order.h"
#include "core/order_data.h"
#include "core/plain_decimal.h"
#include "core/text_index.h"
#include "core/today_rows.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace selmak {

// What the build vouches for in data/, checked at compile time (core/data_tables.cpp) and by the
// tests on rows of their own. Each check returns the first row it refuses, with the reason.

constexpr bool isSourceId(std::string_view id)
{
    for (const char c : id) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
              || c == '_' || c == '-'))
            return false;
    }
    return !id.empty();
}

constexpr bool isAddress(std::string_view address)
{
    return (address.starts_with("http://") || address.starts_with("https://"))
        && address.find(' ') == std::string_view::npos;
}

constexpr std::string_view idOf(const SourceRow &source)
{
    return source.id;
}

constexpr std::string_view rangeOf(const TodayRow &frame)
{
    return frame.range;
}

constexpr std::string_view modelOf(const TodayRow &frame)
{
    return frame.model;
}

// A refusal of a row of its file.
template<class Row>
constexpr DataFault faultAt(const Row &row, std::string_view what, std::string_view value = {},
                            int earlier = 0)
{
    return DataFault { Row::kPath, row.line, what, value, earlier };
}

constexpr std::optional<DataFault> checkSources(std::span<const SourceRow> sources)
{
    const TextIndex ids(sources, idOf);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const SourceRow &row = sources[i];
        if (!isSourceId(row.id))
            return faultAt(row, "the id `{}` must be letters, digits, `.`, `_` or `-`", row.id);
        if (const std::size_t first = ids.find(row.id); first < i)
            return faultAt(row, "the id `{}` is defined twice, first on line {line}", row.id,
                           sources[first].line);
        if (row.maker.empty() || row.title.empty() || row.edition.empty())
            return faultAt(row, "maker, title and edition (a number, date or year) are needed");
        if (!isAddress(row.address))
            return faultAt(row, "the address `{}` must be a public http or https address",
                           row.address);
    }
    return std::nullopt;
}

// Whether a rated frame lies above another of its range: a larger current, or the same current
// at a larger power.
constexpr bool ratedAbove(const TodayRow &frame, const TodayRow &below)
{
    const double power = *readPlainDecimal(frame.kw);
    const double current = *readPlainDecimal(frame.a);
    const double powerBelow = *readPlainDecimal(below.kw);
    const double currentBelow = *readPlainDecimal(below.a);
    return power >= powerBelow
        && (current > currentBelow || (current == currentBelow && power > powerBelow));
}

constexpr std::optional<DataFault> checkToday(std::span<const TodayRow> frames,
                                              std::span<const SourceRow> sources)
{
    const TextIndex ids(sources, idOf);
    const TextIndex models(frames, modelOf);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const TodayRow &row = frames[i];
        if (!makerCaptioned(row.column))
            return faultAt(row, "unknown column `{}`: name a maker as the window captions it",
                           row.column);
        if (row.brand.empty() || row.range.empty() || row.model.empty())
            return faultAt(row, "brand, range and model are needed");
        if (row.model == "---")
            return faultAt(row, "a column without a range today has no line, not `---`");
        if (!frameKindNamed(row.kind))
            return faultAt(row, "unknown kind `{}` (today, discontinued or series)", row.kind);
        // A maker may publish a frame's current without its power (IEK's КМИ), or, for a frame
        // of a range whose rating is not yet sourced, neither.
        if (!row.kw.empty() && !readPlainDecimal(row.kw))
            return faultAt(row, "the power (kw) `{}` must be a positive decimal such as 7.5",
                           row.kw);
        if ((!row.kw.empty() || !row.a.empty()) && !readPlainDecimal(row.a))
            return faultAt(row, "the current (a) `{}` must be a positive decimal such as 7.5",
                           row.a);
        if (row.source.empty())
            return faultAt(row, "no source: every range needs one, from data/sources.csv");
        if (ids.find(row.source) == ids.npos)
            return faultAt(row, "the source `{}` is not defined in data/sources.csv", row.source);
        for (std::size_t j = models.find(row.model); j < i; j = models.find(row.model, j + 1)) {
            if (frames[j].column == row.column)
                return faultAt(row, "`{}` is listed twice in its column, first on line {line}",
                               row.model, frames[j].line);
        }
        // The rated frame listed before it in its range.
        for (std::size_t j = i; j-- > 0 && !row.kw.empty();) {
            const TodayRow &below = frames[j];
            if (below.column != row.column || below.range != row.range || below.kind != row.kind
                || below.kw.empty())
                continue;
            if (!ratedAbove(row, below))
                return faultAt(
                    row,
                    "`{}` is not rated above the frame of line {line}: a range runs from "
                    "its smallest frame to its largest",
                    row.model, below.line);
            break;
        }
    }
    return std::nullopt;
}

// What a row of an order-code file says of itself, before its range and frames are looked up.
constexpr std::optional<DataFault> ruleFault(const CodeFormRow &row)
{
    const auto form = readForm(row.form);
    if (!form)
        return faultAt(row, "the form `{}` does not read: see data/README.md", row.form);
    if (!row.terminals.empty() && !readTerminals(row.terminals))
        return faultAt(row, "unknown terminals `{}` (screw, spring or ring)", row.terminals);
    if (!form->has(Slot::Frame)
        && (row.frames == "*" || row.frames.find(' ') != std::string_view::npos))
        return faultAt(row, "a form that spells its frame itself names one frame, not `{}`",
                       row.frames);
    return std::nullopt;
}

constexpr std::optional<DataFault> ruleFault(const CoilRow &row)
{
    if (row.code.empty() || !readCoil(row))
        return faultAt(row,
                       "the coil `{}` does not read: a code, the kind AC, DC or AC/DC, the "
                       "volts as 230, 100-250 or 220/240, and the hz as 50, 60 or 50/60 "
                       "(none for DC)",
                       row.code);
    return std::nullopt;
}

constexpr std::optional<DataFault> ruleFault(const AuxiliaryRow &row)
{
    if (!readContacts(row))
        return faultAt(row, "the contacts of `{}` do not read: no and nc are counts such as 0 or 1",
                       row.code);
    return std::nullopt;
}

constexpr std::optional<DataFault> ruleFault(const TerminalRow &row)
{
    if (!readTerminals(row.terminals))
        return faultAt(row, "unknown terminals `{}` (screw, spring or ring)", row.terminals);
    return std::nullopt;
}

// The rows of an order-code file: each reads, names a source of data/sources.csv, and a range of
// data/today.csv with frames of that range.
template<class Rule>
constexpr std::optional<DataFault> checkRules(std::span<const Rule> rules,
                                              std::span<const TodayRow> frames,
                                              std::span<const SourceRow> sources)
{
    const TextIndex ids(sources, idOf);
    const TextIndex ranges(frames, rangeOf);
    const TextIndex models(frames, modelOf);
    const auto frameOfRange = [&](std::string_view range, std::string_view model) {
        std::size_t i = models.find(model);
        while (i != models.npos && frames[i].range != range)
            i = models.find(model, i + 1);
        return i != models.npos;
    };
    for (const Rule &row : rules) {
        if (const auto own = ruleFault(row))
            return own;
        if (ids.find(row.source) == ids.npos)
            return faultAt(row, "the source `{}` is not defined in data/sources.csv", row.source);
        if (ranges.find(row.range) == ranges.npos)
            return faultAt(row, "no range `{}` in data/today.csv", row.range);
        for (std::string_view names = row.frames; names != "*";) {
            const std::size_t blank = names.find(' ');
            const std::string_view name = names.substr(0, blank);
            if (!frameOfRange(row.range, name))
                return faultAt(row, "no frame `{}` of the range in data/today.csv", name);
            if (blank == std::string_view::npos)
                break;
            names.remove_prefix(blank + 1);
        }
    }
    return std::nullopt;
}

} // namespace selmak
