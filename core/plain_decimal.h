// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace selmak {

// A figure as data/ writes it: digits, at most one full stop with digits after it, greater than
// zero, and at most 15 digits in all ("24", "7.5", "0.37"); nothing otherwise. Constant, so that
// the build reads and checks the data's figures.
//
// The digits make an integer below 2^53 and the full stop a division by a power of ten below
// 10^22, both exact as doubles, so that the one rounding of the division gives the nearest double,
// as reading the text as a C++ literal or with core/lenient_reader.h does.
constexpr std::optional<double> readPlainDecimal(std::string_view text)
{
    constexpr int kMostDigits = 15;
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1; // after the full stop; -1 before one
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && count < kMostDigits) {
            digits = digits * 10 + (c - '0');
            ++count;
            if (decimals >= 0)
                ++decimals;
        } else {
            return std::nullopt;
        }
    }
    const int whole = count - (decimals < 0 ? 0 : decimals);
    if (whole == 0 || decimals == 0 || digits == 0)
        return std::nullopt;
    double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return static_cast<double>(digits) / scale;
}

static_assert(readPlainDecimal("7.5") == 7.5 && readPlainDecimal("0.37") == 0.37);
static_assert(readPlainDecimal("132") == 132.0 && readPlainDecimal("0.1") == 0.1);
static_assert(!readPlainDecimal("7,5") && !readPlainDecimal(".5") && !readPlainDecimal("5."));
static_assert(!readPlainDecimal("0") && !readPlainDecimal("") && !readPlainDecimal("1.2.3"));
static_assert(!readPlainDecimal("1234567890123456") && !readPlainDecimal("-4"));

} // namespace selmak
