// SPDX-License-Identifier: MIT
#include "core/today_ranges.h"

#include "core/catalog.h"
#include "core/lenient_reader.h"

#include <array>

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

// The first frame without a rating that its range lists before the reaching frame with no
// rated frame short of the power between them: the reaching frame would pass over it.
const TodayFrame *unratedBefore(std::span<const TodayFrame> frames, const TodayFrame &reaching,
                                double power)
{
    const TodayFrame *unrated = nullptr;
    for (const TodayFrame &frame : frames) {
        if (&frame == &reaching)
            return unrated;
        if (frame.column != reaching.column || frame.kind != reaching.kind
            || frame.range != reaching.range)
            continue;
        if (!isRated(frame) && unrated == nullptr)
            unrated = &frame;
        else if (isRated(frame) && frame.power < power)
            unrated = nullptr;
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
        if (const TodayFrame *reaching = smallestRated(frames, maker, kind, power)) {
            const TodayFrame *unrated = unratedBefore(frames, *reaching, power);
            return unrated != nullptr ? unrated : reaching;
        }
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
