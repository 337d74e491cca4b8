// SPDX-License-Identifier: MIT
// The tables of data/, made and checked at compile time: a file the checks refuse stops the
// build with the file, the line and the reason (core/data_checks.h).
#include "core/data_checks.h"
#include "core/data_file.h"
#include "core/order_data.h"
#include "core/text_index.h"
#include "core/today_data.h"
#include "core/today_rows.h"
#include "embedded/auxiliaries_csv.h"
#include "embedded/code_forms_csv.h"
#include "embedded/coils_csv.h"
#include "embedded/sources_csv.h"
#include "embedded/terminals_csv.h"
#include "embedded/today_csv.h"

#include <array>
#include <cstddef>
#include <optional>

namespace selmak {
namespace {

using Sources = DataTable<SourceRow, embedded::kSourcesCsv>;
using Today = DataTable<TodayRow, embedded::kTodayCsv>;
using CodeForms = DataTable<CodeFormRow, embedded::kCodeFormsCsv>;
using Coils = DataTable<CoilRow, embedded::kCoilsCsv>;
using Auxiliaries = DataTable<AuxiliaryRow, embedded::kAuxiliariesCsv>;
using TerminalTable = DataTable<TerminalRow, embedded::kTerminalsCsv>;

static_assert(accepted<refusalOf(Sources::fault)>());
static_assert(accepted<refusalOf(Today::fault)>());
static_assert(accepted<refusalOf(CodeForms::fault)>());
static_assert(accepted<refusalOf(Coils::fault)>());
static_assert(accepted<refusalOf(Auxiliaries::fault)>());
static_assert(accepted<refusalOf(TerminalTable::fault)>());

// A file that does not read holds only the rows before its fault: the checks, which would then
// refuse rows of the other files that name the rest, wait until every file reads.
constexpr bool kRead = !Sources::fault && !Today::fault && !CodeForms::fault && !Coils::fault
    && !Auxiliaries::fault && !TerminalTable::fault;
constexpr std::optional<DataFault> kUnchecked;

static_assert(accepted<refusalOf(kRead ? checkSources(Sources::rows) : kUnchecked)>());
static_assert(accepted<refusalOf(kRead ? checkToday(Today::rows, Sources::rows) : kUnchecked)>());
static_assert(
    accepted<refusalOf(kRead ? checkRules<CodeFormRow>(CodeForms::rows, Today::rows, Sources::rows)
                             : kUnchecked)>());
static_assert(
    accepted<refusalOf(kRead ? checkRules<CoilRow>(Coils::rows, Today::rows, Sources::rows)
                             : kUnchecked)>());
static_assert(accepted<refusalOf(kRead ? checkRules<AuxiliaryRow>(Auxiliaries::rows, Today::rows,
                                                                  Sources::rows)
                                       : kUnchecked)>());
static_assert(accepted<refusalOf(kRead ? checkRules<TerminalRow>(TerminalTable::rows, Today::rows,
                                                                 Sources::rows)
                                       : kUnchecked)>());

constexpr auto kSources = [] {
    std::array<Source, Sources::rows.size()> sources {};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const SourceRow &row = Sources::rows[i];
        sources[i] = { row.id, row.maker, row.title, row.edition, row.address };
    }
    return sources;
}();

// A figure the maker does not publish is 0: such a frame reaches no step.
constexpr double figure(std::string_view text)
{
    return readPlainDecimal(text).value_or(0);
}

constexpr auto kFrames = [] {
    const TextIndex ids(Sources::rows, idOf);
    std::array<TodayFrame, Today::rows.size()> frames {};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const TodayRow &row = Today::rows[i];
        const std::size_t source = ids.find(row.source);
        frames[i] = { makerCaptioned(row.column).value_or(Column::Power),
                      row.brand,
                      row.range,
                      frameKindNamed(row.kind).value_or(FrameKind::Today),
                      row.model,
                      row.kw,
                      figure(row.kw),
                      row.a,
                      figure(row.a),
                      source != ids.npos ? &kSources[source] : nullptr,
                      row.line };
    }
    return frames;
}();

} // namespace

std::span<const Source> sources() noexcept
{
    return kSources;
}

std::span<const TodayFrame> todayFrames() noexcept
{
    return kFrames;
}

std::span<const CodeFormRow> codeFormRows() noexcept
{
    return CodeForms::rows;
}

std::span<const CoilRow> coilRows() noexcept
{
    return Coils::rows;
}

std::span<const AuxiliaryRow> auxiliaryRows() noexcept
{
    return Auxiliaries::rows;
}

std::span<const TerminalRow> terminalRows() noexcept
{
    return TerminalTable::rows;
}

} // namespace selmak
