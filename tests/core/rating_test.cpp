// SPDX-License-Identifier: MIT
#include "core/rating.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace selmak {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

float above(float value)
{
    return std::nextafter(value, kInf);
}

float below(float value)
{
    return std::nextafter(value, -kInf);
}

struct Kind
{
    const char *name;
    const Rating *rating;
};

class EveryClass : public testing::TestWithParam<Kind>
{
};

TEST_P(EveryClass, BothBoundsAndTheMiddleSelectTheClassRow)
{
    for (const RatingClass &c : GetParam().rating->classes) {
        EXPECT_EQ(classify(*GetParam().rating, c.lower), c.row) << "lower bound " << c.lower;
        EXPECT_EQ(classify(*GetParam().rating, c.upper), c.row) << "upper bound " << c.upper;
        EXPECT_EQ(classify(*GetParam().rating, (c.lower + c.upper) / 2), c.row);
    }
}

TEST_P(EveryClass, GapBetweenClassesSelectsTheUpperClass)
{
    const auto classes = GetParam().rating->classes;
    for (std::size_t i = 1; i < classes.size(); ++i) {
        const float gapStart = above(classes[i - 1].upper);
        const float gapEnd = below(classes[i].lower);
        ASSERT_LE(gapStart, gapEnd) << "no gap below row " << classes[i].row;
        EXPECT_EQ(classify(*GetParam().rating, gapStart), classes[i].row);
        EXPECT_EQ(classify(*GetParam().rating, gapEnd), classes[i].row);
    }
}

TEST_P(EveryClass, NothingOutsideTheRange)
{
    const Rating &rating = *GetParam().rating;
    EXPECT_EQ(classify(rating, below(rating.minimum)), std::nullopt);
    EXPECT_EQ(classify(rating, above(rating.maximum)), std::nullopt);
    EXPECT_EQ(classify(rating, -kInf), std::nullopt);
    EXPECT_EQ(classify(rating, kInf), std::nullopt);
    EXPECT_EQ(classify(rating, std::numeric_limits<float>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(classify(rating, rating.minimum), 1);
    EXPECT_EQ(classify(rating, rating.maximum), 19);
}

TEST_P(EveryClass, NoValueSelectsRowFive)
{
    for (const RatingClass &c : GetParam().rating->classes)
        EXPECT_NE(c.row, 5);
}

INSTANTIATE_TEST_SUITE_P(Rating, EveryClass,
                         testing::Values(Kind { "power", &kPowerRating },
                                         Kind { "current", &kCurrentRating }),
                         [](const testing::TestParamInfo<Kind> &p) { return p.param.name; });

TEST(Rating, BoundsAreTheNearestFloats)
{
    // The bounds are compared as floats, never widened: the float nearest 2.3 is below 2.3.
    EXPECT_EQ(static_cast<double>(kPowerRating.minimum), 2.299999952316284);
    EXPECT_EQ(static_cast<double>(kPowerClasses[1].lower), 4.000100135803223);
    EXPECT_EQ(static_cast<double>(kPowerClasses[6].lower), 18.500009536743164);
    EXPECT_EQ(static_cast<double>(kCurrentClasses[0].lower), 6.600100040435791);
    EXPECT_EQ(static_cast<double>(kCurrentClasses[0].upper), 8.800000190734863);
    EXPECT_EQ(static_cast<double>(kCurrentRating.minimum), 6.599999904632568);
}

} // namespace
} // namespace selmak
