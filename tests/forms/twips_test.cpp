// SPDX-License-Identifier: MIT
#include "forms/about_layout.h"
#include "forms/find_layout.h"
#include "forms/main_layout.h"
#include "forms/twips.h"

#include <gtest/gtest.h>

namespace selmak::forms {

void PrintTo(const PixelRect &r, std::ostream *os)
{
    *os << '(' << r.left << ", " << r.top << ") " << r.width << 'x' << r.height;
}

namespace {

struct Edge
{
    int twips;
    int dpi;
    int pixels;
};

class TwipEdge : public testing::TestWithParam<Edge>
{
};

TEST_P(TwipEdge, RoundsToTheNearestPixel)
{
    EXPECT_EQ(twipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Twips, TwipEdge,
                         testing::Values(Edge { 0, 96, 0 }, Edge { 7, 96, 0 },
                                         Edge { 8, 96, 1 }, // a half rounds up
                                         Edge { 15, 96, 1 }, Edge { 9195, 96, 613 },
                                         Edge { 6345, 96, 423 }, Edge { 1845, 96, 123 },
                                         Edge { -7, 96, 0 }, Edge { -8, 96, -1 },
                                         Edge { 9195, 144, 920 }, // 919.5
                                         Edge { 6345, 144, 635 }, // 634.5
                                         Edge { 15, 144, 2 }, // 1.5
                                         Edge { 200, 120, 17 }, Edge { 1845, 192, 246 }));

TEST(Twips, SizesFollowTheRoundedEdges)
{
    // 200 twips is 13.3 px wide, but where it starts decides whether it covers 13 or 14 pixels.
    EXPECT_EQ(toPixels({ 6255, 240, 200, 615 }), (PixelRect { 417, 16, 13, 41 }));
    EXPECT_EQ(toPixels({ 8625, 240, 200, 615 }), (PixelRect { 575, 16, 13, 41 }));
    EXPECT_EQ(toPixels({ 1200, 4440, 495, 135 }), (PixelRect { 80, 296, 33, 9 }));
    EXPECT_EQ(toPixels({ 1200, 4440, 495, 135 }, 144), (PixelRect { 120, 444, 50, 14 }));
}

TEST(Twips, NeighboursStayEdgeToEdge)
{
    for (int dpi : { 96, 120, 144, 192 }) {
        int end = 0;
        for (int i = 0; i < 12; ++i) {
            const PixelRect r = toPixels({ i * 1845, 0, 1845, 100 }, dpi);
            if (i > 0) {
                EXPECT_EQ(r.left, end) << "dpi " << dpi << ", control " << i;
            }
            end = r.left + r.width;
        }
        EXPECT_EQ(end, twipsToPixels(12 * 1845, dpi));
    }
}

struct Line
{
    TwipPoint from;
    TwipPoint to;
    PixelRect pixels;
};

class TwipLine : public testing::TestWithParam<Line>
{
};

TEST_P(TwipLine, CoversBothEndPoints)
{
    EXPECT_EQ(linePixels(GetParam().from, GetParam().to), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Twips, TwipLine,
    testing::Values(Line { { 8880, 960 }, { 3600, 960 }, { 240, 64, 353, 1 } },
                    Line { { 3600, 960 }, { 3600, 6120 }, { 240, 64, 1, 345 } },
                    Line { { 8880, 6120 }, { 8880, 960 }, { 592, 64, 1, 345 } }));

TEST(Layout, EveryControlLiesInsideItsWindow)
{
    for (const WindowLayout *layout : { &mainLayout(), &aboutLayout(), &findLayout() }) {
        const PixelRect window = toPixels(layout->clientArea);
        for (const ControlRow &row : layout->controls) {
            const PixelRect r = toPixels(row.twips);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= window.width
                        && r.top + r.height <= window.height)
                << layout->name << ": " << row.name;
        }
    }
}

} // namespace
} // namespace selmak::forms
