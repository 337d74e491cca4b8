// SPDX-License-Identifier: MIT
#include "core/order.h"

#include "core/lenient_reader.h"

#include <array>
#include <cstddef>

namespace selmak {
namespace {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A plain positive decimal ("24", "12.5"); nothing otherwise.
std::optional<double> readVolts(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction
        = point == std::string_view::npos ? std::string_view {} : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        for (const char c : part) {
            if (!isDigit(c))
                return false;
        }
        return !part.empty();
    };
    if (!digits(whole) || (point != std::string_view::npos && !digits(fraction)))
        return std::nullopt;
    const double volts = readLenient(text);
    return volts > 0 ? std::optional(volts) : std::nullopt;
}

std::optional<int> readCount(std::string_view text)
{
    if (text.empty() || text.size() > 2 || !isDigit(text[0])
        || (text.size() == 2 && !isDigit(text[1])))
        return std::nullopt;
    return text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
}

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

std::optional<Coil> readCoil(const CoilRow &row)
{
    Coil coil { CoilKind::Ac, Frequency::None, 0, 0, false, row.volts };
    if (row.kind == "AC")
        coil.kind = CoilKind::Ac;
    else if (row.kind == "DC")
        coil.kind = CoilKind::Dc;
    else if (row.kind == "AC/DC")
        coil.kind = CoilKind::AcDc;
    else
        return std::nullopt;

    if (row.hz == "50")
        coil.hz = Frequency::Hz50;
    else if (row.hz == "60")
        coil.hz = Frequency::Hz60;
    else if (row.hz == "50/60")
        coil.hz = Frequency::Hz50And60;
    else if (!row.hz.empty())
        return std::nullopt;
    // An AC coil works at a stated frequency; a DC coil at none.
    if ((coil.kind == CoilKind::Ac && coil.hz == Frequency::None)
        || (coil.kind == CoilKind::Dc && coil.hz != Frequency::None))
        return std::nullopt;

    const std::size_t split = row.volts.find_first_of("-/");
    coil.dual = split != std::string_view::npos && row.volts[split] == '/';
    const auto low = readVolts(row.volts.substr(0, split));
    const auto high
        = split == std::string_view::npos ? low : readVolts(row.volts.substr(split + 1));
    if (!low || !high)
        return std::nullopt;
    coil.low = *low;
    coil.high = *high;
    // A range runs upwards; a dual rating is an AC coil's pair at 50 and 60 Hz.
    if ((!coil.dual && coil.low > coil.high)
        || (coil.dual && (coil.kind != CoilKind::Ac || coil.hz != Frequency::Hz50And60)))
        return std::nullopt;
    return coil;
}

std::optional<Contacts> readContacts(const AuxiliaryRow &row)
{
    const auto no = readCount(row.no);
    const auto nc = readCount(row.nc);
    if (!no || !nc)
        return std::nullopt;
    return Contacts { *no, *nc };
}

std::optional<Terminals> readTerminals(std::string_view text)
{
    if (text == "screw")
        return Terminals::Screw;
    if (text == "spring")
        return Terminals::Spring;
    if (text == "ring")
        return Terminals::Ring;
    return std::nullopt;
}

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
