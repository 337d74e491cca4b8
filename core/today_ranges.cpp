// SPDX-License-Identifier: MIT
#include "core/today_ranges.h"

#include "core/catalog.h"
#include "core/lenient_reader.h"

#include <array>
#include <optional>
#include <utility>

namespace selmak {
namespace {

constexpr std::string_view kNoModel = "---";
constexpr std::size_t kSteps = Catalog::kLastStep + 1; // indexed by step; 0 unused

// Each step's power, read once from the catalogue's own texts.
const std::array<double, kSteps> &stepPowers()
{
    static const std::array<double, kSteps> powers = [] {
        std::array<double, kSteps> p {};
        for (int step = Catalog::kFirstStep; step <= Catalog::kLastStep; ++step)
            p[static_cast<std::size_t>(step)] = readLenient(*Catalog::cell(Column::Power, step));
        return p;
    }();
    return powers;
}

bool smaller(const TodayFrame &a, const TodayFrame &b)
{
    return a.power < b.power || (a.power == b.power && a.current < b.current);
}

// The smallest frame of one kind in the column that reaches the power, by its rating.
const TodayFrame *smallestRated(std::span<const TodayFrame> frames, Column maker, FrameKind kind,
                                double power)
{
    const TodayFrame *best = nullptr;
    for (const TodayFrame &frame : frames) {
        if (frame.column == maker && frame.kind == kind && isRated(frame) && frame.power >= power
            && (best == nullptr || smaller(frame, *best)))
            best = &frame;
    }
    return best;
}

// A frame listed without its rating: neither figure is published yet.
bool ratingUnknown(const TodayFrame &frame)
{
    return frame.powerText.empty() && frame.currentText.empty();
}

// The powers between which an unrated frame's rating must lie: above the rated frame its range
// lists before it, and up to the next larger rated frame of the maker's column; first in its
// range, up to the rated frame after it there. Nothing where no frame bounds it from above.
std::optional<std::pair<double, double>> boundsOf(std::span<const TodayFrame> frames,
                                                  const TodayFrame &unrated)
{
    const TodayFrame *before = nullptr;
    const TodayFrame *after = nullptr;
    bool passed = false;
    for (const TodayFrame &frame : frames) {
        if (&frame == &unrated)
            passed = true;
        else if (isRated(frame) && frame.column == unrated.column && frame.kind == unrated.kind
                 && frame.range == unrated.range && !passed)
            before = &frame;
        else if (isRated(frame) && frame.column == unrated.column && frame.kind == unrated.kind
                 && frame.range == unrated.range && after == nullptr)
            after = &frame;
    }
    if (before == nullptr)
        return after != nullptr ? std::optional(std::pair(0.0, after->power)) : std::nullopt;
    const TodayFrame *next = nullptr;
    for (const TodayFrame &frame : frames) {
        if (isRated(frame) && frame.column == unrated.column && frame.kind == unrated.kind
            && frame.power > before->power && (next == nullptr || frame.power < next->power))
            next = &frame;
    }
    return next != nullptr ? std::optional(std::pair(before->power, next->power)) : std::nullopt;
}

// The first unrated frame of one kind in the column whose rating may be the step's: the
// smallest rated frame that reaches the step would pass over it. A step that the upper bound's
// own power is passes over nothing: that frame is the step's size, not an oversized one.
const TodayFrame *unratedFor(std::span<const TodayFrame> frames, Column maker, FrameKind kind,
                             double power)
{
    for (const TodayFrame &frame : frames) {
        if (frame.column != maker || frame.kind != kind || !ratingUnknown(frame))
            continue;
        const auto bounds = boundsOf(frames, frame);
        if (bounds && bounds->first < power && power < bounds->second)
            return &frame;
    }
    return nullptr;
}

// Every maker's model of today for every step, chosen once.
class TodayTable
{
public:
    static const TodayTable &instance()
    {
        static const TodayTable table;
        return table;
    }

    const TodayFrame *at(Column maker, int step) const
    {
        if (step < Catalog::kFirstStep || step > Catalog::kLastStep)
            return nullptr;
        return m_frames[static_cast<std::size_t>(step)]
                       [static_cast<std::size_t>(columnNumber(maker))];
    }

private:
    TodayTable()
    {
        for (int step = Catalog::kFirstStep; step <= Catalog::kLastStep; ++step) {
            for (const ColumnInfo &info : kColumns)
                m_frames[static_cast<std::size_t>(step)]
                        [static_cast<std::size_t>(columnNumber(info.column))]
                    = smallestReaching(todayFrames(), info.column, step);
        }
    }

    std::array<std::array<const TodayFrame *, kColumnCount + 1>, kSteps> m_frames {};
};

} // namespace

std::vector<int> stepsOfPower(double power)
{
    const auto &powers = stepPowers();
    int largest = 0;
    for (int step = Catalog::kFirstStep; step <= Catalog::kLastStep; ++step) {
        if (powers[static_cast<std::size_t>(step)] <= power)
            largest = step;
    }
    std::vector<int> steps;
    for (int step = Catalog::kFirstStep; largest != 0 && step <= largest; ++step) {
        if (powers[static_cast<std::size_t>(step)] == powers[static_cast<std::size_t>(largest)])
            steps.push_back(step);
    }
    return steps;
}

const TodayFrame *smallestReaching(std::span<const TodayFrame> frames, Column maker, int step)
{
    if (step < Catalog::kFirstStep || step > Catalog::kLastStep)
        return nullptr;
    const double power = stepPowers()[static_cast<std::size_t>(step)];
    for (const FrameKind kind : { FrameKind::Today, FrameKind::Discontinued }) {
        if (const TodayFrame *unrated = unratedFor(frames, maker, kind, power))
            return unrated;
        if (const TodayFrame *reaching = smallestRated(frames, maker, kind, power))
            return reaching;
    }
    return nullptr;
}

const TodayFrame *todayFrame(Column maker, int step)
{
    return TodayTable::instance().at(maker, step);
}

std::string_view todayModel(Column maker, int step)
{
    const TodayFrame *frame = todayFrame(maker, step);
    return frame != nullptr ? frame->model : kNoModel;
}

} // namespace selmak
