// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <span>
#include <string_view>

namespace selmak {

// A maker's published document that figures of today's ranges come from.
struct Source
{
    std::string_view id;
    std::string_view maker;
    std::string_view title;
    std::string_view edition; // its number, date or year as printed
    std::string_view address; // where it can be read
};

enum class FrameKind {
    Today, // sold today
    Discontinued, // of a range its maker has discontinued, naming a successor range of today
    Series, // another frame of the older series that the catalogue names (3RT1026, A26)
};

// One contactor frame of a maker's range, with its AC-3 rating at 400 V as its maker publishes it.
struct TodayFrame
{
    Column column; // the catalogue's maker column it stands in
    std::string_view brand; // who sells it today ("Eaton" in the Moeller column)
    std::string_view range; // the maker's name for the range ("SIRIUS 3RT2")
    FrameKind kind;
    std::string_view model; // the base designation, without coil or contact suffixes
    std::string_view powerText; // kW, as the source prints it; empty where the maker gives none
    double power; // 0 where the maker gives none: such a frame reaches no step
    std::string_view currentText; // A, as the source prints it
    double current;
    const Source *source;
    int line; // where data/today.csv lists it
};

// Whether the frame's maker publishes its AC-3 power at 400 V, so that it stands at a step.
constexpr bool isRated(const TodayFrame &frame)
{
    return !frame.powerText.empty();
}

// The tables made from data/today.csv and data/sources.csv at build time, in the files' order.
std::span<const TodayFrame> todayFrames() noexcept;
std::span<const Source> sources() noexcept;

} // namespace selmak
