// SPDX-License-Identifier: MIT
#include "core/order.h"

#include <array>
#include <cstddef>

namespace selmak {
namespace {

// One voltage range at one frequency; hz 0 is DC.
struct Rating
{
    int hz;
    double low;
    double high;
};

// A coil as the voltages it works at, per frequency: at most 50 Hz, 60 Hz and DC.
struct Ratings
{
    std::array<Rating, 3> items;
    std::size_t count = 0;

    void add(int hz, double low, double high) { items[count++] = { hz, low, high }; }
};

Ratings ratingsOf(const Coil &coil)
{
    Ratings ratings;
    if (coil.kind != CoilKind::Dc) {
        const bool at50 = coil.hz == Frequency::Hz50 || coil.hz == Frequency::Hz50And60;
        const bool at60 = coil.hz == Frequency::Hz60 || coil.hz == Frequency::Hz50And60;
        if (at50)
            ratings.add(50, coil.low, coil.dual ? coil.low : coil.high);
        if (at60)
            ratings.add(60, coil.dual ? coil.high : coil.low, coil.high);
    }
    if (coil.kind != CoilKind::Ac)
        ratings.add(0, coil.low, coil.high);
    return ratings;
}

} // namespace

bool covers(const Coil &offered, const Coil &wanted)
{
    const Ratings have = ratingsOf(offered);
    const Ratings need = ratingsOf(wanted);
    for (std::size_t i = 0; i < need.count; ++i) {
        const Rating &n = need.items[i];
        bool served = false;
        for (std::size_t j = 0; j < have.count && !served; ++j) {
            const Rating &h = have.items[j];
            served = h.hz == n.hz && h.low <= n.low && n.high <= h.high;
        }
        if (!served)
            return false;
    }
    return need.count > 0;
}

CoilSlack slack(const Coil &offered, const Coil &wanted)
{
    const Ratings have = ratingsOf(offered);
    const Ratings need = ratingsOf(wanted);
    const auto volts = [](const Ratings &ratings) {
        double sum = 0;
        for (std::size_t i = 0; i < ratings.count; ++i)
            sum += ratings.items[i].high - ratings.items[i].low;
        return sum;
    };
    return { offered.kind != wanted.kind,
             static_cast<int>(have.count) - static_cast<int>(need.count),
             volts(have) - volts(need) };
}

bool namesFrame(std::string_view frames, std::string_view model)
{
    if (frames == "*")
        return true;
    while (!frames.empty()) {
        const std::size_t blank = frames.find(' ');
        if (frames.substr(0, blank) == model)
            return true;
        frames = blank == std::string_view::npos ? std::string_view {} : frames.substr(blank + 1);
    }
    return false;
}

} // namespace selmak
