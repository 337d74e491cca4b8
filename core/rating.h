// SPDX-License-Identifier: MIT
#pragma once

#include "core/catalog.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace selmak {

// A class of ratings that maps onto one size step. Both bounds belong to the class. All bounds and
// limits are floats and every comparison is made in single precision, so that a typed bound such
// as 2.3 or 8.8 lands exactly on its float constant.
struct RatingClass
{
    int row;
    float lower;
    float upper;
};

// One kind of rating (power or current): its classes, its permitted range and its warning.
struct Rating
{
    std::span<const RatingClass> classes;
    float minimum;
    float maximum;
    std::string_view warning;
};

// Either kind of rating maps onto every step but the fifth.
inline constexpr std::array<RatingClass, 18> kPowerClasses { {
    { 1, 2.3f, 4.0f },
    { 2, 4.0001f, 5.5f },
    { 3, 5.5001f, 7.5f },
    { 4, 7.5001f, 11.0f },
    { 6, 11.0001f, 15.0f },
    { 7, 15.0001f, 18.5f },
    { 8, 18.50001f, 22.0f },
    { 9, 22.0001f, 30.0f },
    { 10, 30.0001f, 37.0f },
    { 11, 37.0001f, 45.0f },
    { 12, 45.0001f, 55.0f },
    { 13, 55.0001f, 75.0f },
    { 14, 75.0001f, 90.0f },
    { 15, 90.0001f, 110.0f },
    { 16, 110.0001f, 132.0f },
    { 17, 132.0001f, 160.0f },
    { 18, 160.0001f, 200.0f },
    { 19, 200.0001f, 250.0f },
} };

// These are not the currents that the catalogue shows for the steps.
inline constexpr std::array<RatingClass, 18> kCurrentClasses { {
    { 1, 6.6001f, 8.8f },
    { 2, 8.8001f, 12.0f },
    { 3, 12.0001f, 15.5f },
    { 4, 15.5001f, 22.5f },
    { 6, 22.5001f, 30.0f },
    { 7, 30.0001f, 36.0f },
    { 8, 36.0001f, 43.0f },
    { 9, 43.0001f, 58.0f },
    { 10, 58.0001f, 72.0f },
    { 11, 72.0001f, 85.0f },
    { 12, 85.0001f, 104.0f },
    { 13, 104.0001f, 142.0f },
    { 14, 142.0001f, 185.0f },
    { 15, 185.0001f, 225.0f },
    { 16, 225.0001f, 250.0f },
    { 17, 250.0001f, 300.0f },
    { 18, 300.0001f, 400.0f },
    { 19, 400.0001f, 500.0f },
} };

inline constexpr Rating kPowerRating { kPowerClasses, 2.3f, 250.0f,
                                       "Значение мощности должно находиться в пределах "
                                       "(2.3...250 кВт)" };
inline constexpr Rating kCurrentRating { kCurrentClasses, 6.6f, 500.0f,
                                         "Значение силы тока должно находиться в пределах "
                                         "(6.6...500 A)" };

// Classes in rising order without overlap, on steps of the catalogue, the last ending at the
// maximum.
constexpr bool isWellFormed(const Rating &rating)
{
    const auto &classes = rating.classes;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const RatingClass &c = classes[i];
        if (c.lower > c.upper || c.row < Catalog::kFirstStep || c.row > Catalog::kLastStep)
            return false;
        if (i > 0 && (classes[i - 1].upper >= c.lower || classes[i - 1].row >= c.row))
            return false;
    }
    return !classes.empty() && classes.back().upper == rating.maximum;
}
static_assert(isWellFormed(kPowerRating));
static_assert(isWellFormed(kCurrentRating));

// The size step for a value inside the permitted range: the smallest step whose class reaches up
// to the value. A value in a class gets that class's row; one in the thin gap between two classes
// gets the upper one, never no row at all. Outside the range: nothing.
constexpr std::optional<int> classify(const Rating &rating, float value)
{
    if (!(value >= rating.minimum && value <= rating.maximum))
        return std::nullopt;
    // The last class ends at the maximum, so one is always found.
    return std::find_if(rating.classes.begin(), rating.classes.end(),
                        [value](const RatingClass &c) { return value <= c.upper; })
        ->row;
}

} // namespace selmak
