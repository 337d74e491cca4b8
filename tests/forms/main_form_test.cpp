// SPDX-License-Identifier: MIT
#include "core/rating.h"
#include "forms/main_form.h"
#include "recording_main_view.h"

#include <gtest/gtest.h>
#include <limits>

namespace selmak::forms {
namespace {

using test::RecordingMainView;
using Log = std::vector<std::string>;

// A window's worth of form, loaded as the window loads: power mode, step 1.
struct Loaded
{
    Loaded()
    {
        form.Form_Load();
        view.log.clear();
    }

    void stepTo(int row)
    {
        while (form.RowIndex() < row)
            form.far_Click();
        while (form.RowIndex() > row)
            form.back_Click();
    }

    RecordingMainView view;
    MainForm form { view };
};

TEST(MainForm, LoadsOnStepOneInPowerMode)
{
    RecordingMainView view;
    MainForm form(view);
    EXPECT_EQ(form.RowIndex(), 0);
    form.Form_Load();
    EXPECT_EQ(form.RowIndex(), 1);
    EXPECT_TRUE(view.showsRow(1));
    EXPECT_EQ(view.log, (Log { "labels", "disable current" }));
}

TEST(MainForm, LoadsWithBothBoxesEnabledWhenNoOptionIsSelected)
{
    RecordingMainView view;
    view.powerOption = false;
    MainForm form(view);
    form.Form_Load();
    EXPECT_EQ(view.log, (Log { "labels" }));
}

TEST(MainForm, OptionsSwitchTheBoxesAndNothingElse)
{
    Loaded l;
    l.form.optCurrent_Click();
    l.form.optPower_Click();
    EXPECT_EQ(l.view.log,
              (Log { "disable power", "enable current", "disable current", "enable power" }));
}

struct Click
{
    const char *name;
    bool powerEnabled;
    bool currentEnabled;
    const char *power;
    const char *current;
    int row; // the step on show afterwards; the click starts on step 10
    Log log;
};

class Choosing : public testing::TestWithParam<Click>
{
};

// One click runs the selection of the mode once: the labels first, then at most one warning.
TEST_P(Choosing, RunsTheModesSelectionOnce)
{
    const Click &c = GetParam();
    Loaded l;
    l.stepTo(10);
    l.view.log.clear();
    l.view.enabled = { c.powerEnabled, c.currentEnabled };
    l.view.texts = { c.power, c.current };
    l.form.cmbChoose_Click();
    EXPECT_EQ(l.form.RowIndex(), c.row);
    EXPECT_TRUE(l.view.showsRow(c.row));
    EXPECT_EQ(l.view.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, Choosing,
    testing::Values(
        Click { "power_mode", true, false, "7.5", "100", 3, { "labels" } },
        Click { "current_mode", false, true, "7.5", "100", 12, { "labels" } },
        Click {
            "power_out_of_range_keeps_step", true, false, "", "100", 10, { "labels", "warning" } },
        Click { "current_out_of_range_keeps_step",
                false,
                true,
                "7.5",
                "501",
                10,
                { "labels", "warning" } },
        Click { "both_enabled_reads_power", true, true, "7.5", "100", 3, { "labels" } },
        Click { "both_disabled_reads_current", false, false, "7.5", "100", 12, { "labels" } }),
    [](const testing::TestParamInfo<Click> &p) { return p.param.name; });

TEST(MainForm, EachKindKeepsItsOwnValue)
{
    Loaded l;
    l.view.texts = { "7.5", "30" };
    l.form.cmbChoose_Click();
    l.form.optCurrent_Click();
    l.form.cmbChoose_Click();
    EXPECT_EQ(l.form.PowerValue(), 7.5f);
    EXPECT_EQ(l.form.CurrentValue(), 30.0f);
    l.form.optPower_Click();
    l.view.texts[0] = "1e400";
    l.form.cmbChoose_Click();
    EXPECT_EQ(l.form.PowerValue(), std::numeric_limits<float>::infinity());
    EXPECT_EQ(l.form.CurrentValue(), 30.0f);
    EXPECT_EQ(l.view.warnings, std::vector<std::string> { std::string(kPowerRating.warning) });
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
    Loaded l;
    l.stepTo(s.from);
    l.view.log.clear();
    if (s.up)
        l.form.far_Click();
    else
        l.form.back_Click();
    EXPECT_EQ(l.form.RowIndex(), s.to);
    EXPECT_TRUE(l.view.showsRow(s.to));
    EXPECT_EQ(l.view.log, (Log { "labels" }));
}

INSTANTIATE_TEST_SUITE_P(MainForm, SizeStepping,
                         testing::Values(Stepping { "down_from_first_stays", 1, false, 1 },
                                         Stepping { "up_from_last_stays", 19, true, 19 },
                                         Stepping { "up_from_four_reaches_five", 4, true, 5 },
                                         Stepping { "down_from_six_reaches_five", 6, false, 5 },
                                         Stepping { "up", 10, true, 11 },
                                         Stepping { "down", 10, false, 9 }),
                         [](const testing::TestParamInfo<Stepping> &p) { return p.param.name; });

TEST(MainForm, StepsFromTheStepKeptByAnOutOfRangeEntry)
{
    Loaded l;
    l.view.texts[0] = "30";
    l.form.cmbChoose_Click();
    l.view.texts[0] = "999";
    l.form.cmbChoose_Click();
    l.form.far_Click();
    EXPECT_EQ(l.form.RowIndex(), 10);
    EXPECT_EQ(l.form.PowerValue(), 999.0f);
}

TEST(MainForm, CommandsGoToTheView)
{
    Loaded l;
    l.form.txtPower_Change();
    l.form.txtCurrent_Change();
    l.form.Hide_Click();
    l.form.cmbAbout_Click();
    l.form.exit_Click();
    EXPECT_EQ(l.view.log,
              (Log { "enable choose", "enable choose", "step buttons", "about", "exit" }));
    EXPECT_EQ(l.form.RowIndex(), 1);
}

} // namespace
} // namespace selmak::forms
