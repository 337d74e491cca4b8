// SPDX-License-Identifier: MIT
#include "core/rating.h"
#include "core/selection.h"
#include "core/size_steps.h"
#include "recording_view.h"

#include <gtest/gtest.h>
#include <string>

namespace selmak {
namespace {

using test::RecordingView;

// A window's worth of core: started as the window starts, on step 1.
struct Started
{
    Started() { steps.ShowRow(); }

    RecordingView view;
    SizeSteps steps { view };
    Selection selection { steps, view };
};

enum class Kind { Power, Current };

struct Entry
{
    const char *name;
    Kind kind;
    std::string text;
    int startRow; // the step on show before the selection
    int row; // the step on show after it
    bool warns;
};

void PrintTo(const Entry &e, std::ostream *os)
{
    *os << (e.kind == Kind::Power ? "power " : "current ") << '"' << e.text << '"';
}

class Selecting : public testing::TestWithParam<Entry>
{
};

TEST_P(Selecting, ShowsTheStepAndWarnsOutOfRange)
{
    const Entry &e = GetParam();
    Started s;
    s.steps.select(e.startRow);
    if (e.kind == Kind::Power)
        s.selection.SelectByPower(e.text);
    else
        s.selection.SelectByCurrent(e.text);

    EXPECT_EQ(s.steps.RowIndex(), e.row);
    EXPECT_TRUE(s.view.showsRow(e.row));
    const Rating &rating = e.kind == Kind::Power ? kPowerRating : kCurrentRating;
    if (e.warns)
        EXPECT_EQ(s.view.warnings, std::vector<std::string> { std::string(rating.warning) });
    else
        EXPECT_TRUE(s.view.warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Power, Selecting,
    testing::Values(Entry { "lowest_limit", Kind::Power, "2.3", 10, 1, false },
                    Entry { "below_limit_keeps_step", Kind::Power, "2.29", 10, 10, true },
                    Entry { "first_upper_bound", Kind::Power, "4", 10, 1, false },
                    Entry { "rounds_onto_bound", Kind::Power, "4.0000001", 10, 1, false },
                    Entry { "gap_above_four", Kind::Power, "4.00005", 10, 2, false },
                    Entry { "second_lower_bound", Kind::Power, "4.0001", 10, 2, false },
                    Entry { "typical", Kind::Power, "7.5", 1, 3, false },
                    Entry { "eleven_is_row_four", Kind::Power, "11", 1, 4, false },
                    Entry { "gap_above_eighteen_five", Kind::Power, "18.500005", 1, 8, false },
                    Entry { "four_zeros_bound", Kind::Power, "18.50001", 1, 8, false },
                    Entry { "just_over_eighteen_five", Kind::Power, "18.5001", 1, 8, false },
                    Entry { "highest_limit", Kind::Power, "250", 1, 19, false },
                    Entry { "above_limit_keeps_step", Kind::Power, "250.0001", 7, 7, true },
                    Entry { "far_above", Kind::Power, "1e30", 7, 7, true },
                    Entry { "beyond_float", Kind::Power, "1e39", 7, 7, true },
                    Entry { "beyond_double", Kind::Power, "1e400", 7, 7, true },
                    Entry { "empty_reads_zero", Kind::Power, "", 7, 7, true },
                    Entry { "negative", Kind::Power, "-5", 7, 7, true },
                    Entry { "negative_beyond_double", Kind::Power, "-1e400", 7, 7, true },
                    Entry { "comma", Kind::Power, "5,5", 1, 2, false },
                    Entry { "with_unit", Kind::Power, "7.5 кВт", 1, 3, false }),
    [](const testing::TestParamInfo<Entry> &p) { return p.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Current, Selecting,
    testing::Values(Entry { "lowest_limit", Kind::Current, "6.6", 10, 1, false },
                    Entry { "first_lower_bound", Kind::Current, "6.6001", 10, 1, false },
                    Entry { "below_limit_keeps_step", Kind::Current, "6.59", 10, 10, true },
                    Entry { "first_upper_bound", Kind::Current, "8.8", 10, 1, false },
                    Entry { "second_lower_bound", Kind::Current, "8.8001", 10, 2, false },
                    Entry { "gap_above_22_5", Kind::Current, "22.50001", 1, 6, false },
                    Entry { "highest_limit", Kind::Current, "500", 1, 19, false },
                    Entry { "above_limit_keeps_step", Kind::Current, "501", 3, 3, true },
                    Entry { "zero", Kind::Current, "abc", 3, 3, true }),
    [](const testing::TestParamInfo<Entry> &p) { return p.param.name; });

TEST(Selection, EachCallWarnsOnItsOwn)
{
    Started s;
    s.selection.SelectByPower("0");
    s.selection.SelectByPower("0");
    EXPECT_EQ(s.view.warnings.size(), 2u);
}

TEST(Selection, KindsKeepTheirOwnValue)
{
    Started s;
    s.selection.SelectByPower("7.5");
    s.selection.SelectByCurrent("30");
    EXPECT_EQ(s.selection.PowerValue(), 7.5f);
    EXPECT_EQ(s.selection.CurrentValue(), 30.0f);
    s.selection.SelectByPower("1e400");
    EXPECT_EQ(s.selection.CurrentValue(), 30.0f);
    EXPECT_EQ(s.selection.PowerValue(), std::numeric_limits<float>::infinity());
}

TEST(Selection, StoresInSinglePrecision)
{
    Started s;
    s.selection.SelectByPower("18.500005");
    EXPECT_EQ(s.selection.PowerValue(), 18.500005f);
    EXPECT_NE(static_cast<double>(s.selection.PowerValue()), 18.500005);
}

TEST(SizeSteps, StartsAtZeroThenShowsRowOne)
{
    RecordingView view;
    SizeSteps steps(view);
    EXPECT_EQ(steps.RowIndex(), 0);
    EXPECT_EQ(view.writes, 0);
    steps.ShowRow();
    EXPECT_EQ(steps.RowIndex(), 1);
    EXPECT_TRUE(view.showsRow(1));
    EXPECT_EQ(view.slot(Column::Power), "4");
    EXPECT_EQ(view.slot(Column::Current), "8.5");
}

struct Stepping
{
    const char *name;
    int from;
    bool up;
    int to;
};

class SizeStepping : public testing::TestWithParam<Stepping>
{
};

TEST_P(SizeStepping, MovesOneStepWithinTheCatalogue)
{
    const Stepping &s = GetParam();
    Started started;
    started.steps.select(s.from);
    if (s.up)
        started.steps.stepUp();
    else
        started.steps.stepDown();
    EXPECT_EQ(started.steps.RowIndex(), s.to);
    EXPECT_TRUE(started.view.showsRow(s.to));
    EXPECT_TRUE(started.view.warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(SizeSteps, SizeStepping,
                         testing::Values(Stepping { "down_from_first_stays", 1, false, 1 },
                                         Stepping { "up_from_last_stays", 19, true, 19 },
                                         Stepping { "up_from_four_reaches_five", 4, true, 5 },
                                         Stepping { "down_from_six_reaches_five", 6, false, 5 },
                                         Stepping { "up", 10, true, 11 },
                                         Stepping { "down", 10, false, 9 }),
                         [](const testing::TestParamInfo<Stepping> &p) { return p.param.name; });

TEST(SizeSteps, SteppingLeavesTheReadValuesAlone)
{
    Started s;
    s.selection.SelectByPower("7.5");
    s.steps.stepUp();
    s.steps.stepUp();
    EXPECT_EQ(s.steps.RowIndex(), 5);
    EXPECT_EQ(s.selection.PowerValue(), 7.5f);
    EXPECT_EQ(s.selection.CurrentValue(), 0.0f);
}

TEST(SizeSteps, StepsFromTheRowKeptByAnOutOfRangeEntry)
{
    Started s;
    s.selection.SelectByPower("30");
    s.selection.SelectByPower("999");
    s.steps.stepUp();
    EXPECT_EQ(s.steps.RowIndex(), 10);
}

TEST(SizeSteps, NeverShowsTheSpareRow)
{
    Started s;
    for (int i = 0; i < 30; ++i)
        s.steps.stepUp();
    EXPECT_EQ(s.steps.RowIndex(), 19);
    EXPECT_EQ(s.view.slot(Column::Asko), "---");
    EXPECT_EQ(s.view.slot(Column::Power), "250");
}

} // namespace
} // namespace selmak
