// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace selmak {

// Numbers typed by the user are read leniently: blanks, tabs and line feeds are ignored wherever
// they stand, an optional sign, digits with at most one period and an optional exponent make the
// number, and reading stops without complaint at the first character that cannot continue it.
// The locale never matters: the period is the only decimal separator.

// The numeral that lenient reading takes from the text, blanks and a plus sign removed, in the form
// from_chars reads ("-12.5e3"). Empty when no digit can be read.
std::string takeNumeral(std::string_view text);

// The number that the text starts with; 0 when no digit can be read. A numeral beyond the range
// of a double gives an infinity of its sign, one too small for it gives a zero of its sign.
double readLenient(std::string_view text);

// Rounds to the nearest float, as IEEE 754 does: beyond the float range, an infinity of its sign.
// Inline: it runs for every value read, and a call would cost more than its few comparisons.
inline float toSingle(double value)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    const double magnitude = std::fabs(value);
    if (magnitude <= kMax) [[likely]]
        return static_cast<float>(value);
    // Halfway between the largest float and the next power of two: from here on IEEE rounding
    // gives infinity (the tie goes to the even neighbour, which is infinity).
    constexpr double kOverflow = 0x1.ffffffp127;
    if (magnitude >= kOverflow)
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    if (magnitude > kMax)
        return static_cast<float>(std::copysign(kMax, value));
    return static_cast<float>(value); // not a number
}

} // namespace selmak
