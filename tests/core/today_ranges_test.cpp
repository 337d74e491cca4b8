// SPDX-License-Identifier: MIT
#include "core/model_finder.h"
#include "core/today_ranges.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace selmak {
namespace {

using enum Column;

struct PowerSteps
{
    const char *name;
    double power;
    std::vector<int> steps;
};

class FrameSteps : public testing::TestWithParam<PowerSteps>
{
};

TEST_P(FrameSteps, AreTheLargestStepsTheFrameReaches)
{
    EXPECT_EQ(stepsOfPower(GetParam().power), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Rule, FrameSteps,
                         testing::Values(PowerSteps { "below_the_smallest_step", 3.99, {} },
                                         PowerSteps { "nothing", 0, {} },
                                         PowerSteps { "smallest_step", 4, { 1 } },
                                         PowerSteps { "between_steps", 5.4, { 1 } },
                                         PowerSteps { "step_power_exactly", 5.5, { 2 } },
                                         PowerSteps { "both_rows_of_11_kw", 11, { 4, 5 } },
                                         PowerSteps { "above_11_kw", 12.5, { 4, 5 } },
                                         PowerSteps { "just_short_of_15_kw", 14.99, { 4, 5 } },
                                         PowerSteps { "fractional_step", 18.5, { 7 } },
                                         PowerSteps { "largest_step", 250, { 19 } },
                                         PowerSteps { "above_the_largest_step", 400, { 19 } }),
                         [](const auto &row) { return std::string(row.param.name); });

constexpr Source kSource { "s", "Maker", "Data sheet", "2024", "https://example.com/" };

// Frames of made-up makers. Siemens and Moeller: in no order, with the traps the rule must step
// round. Lovato, Danfoss and IEK: ranges listed smallest first, as data/today.csv lists them,
// with frames whose rating is not published (empty figures), a discontinued range, and a frame
// with a current but no power.
constexpr std::array<TodayFrame, 23> kFrames { {
    { Siemens, "Siemens", "R", FrameKind::Today, "F15", "15", 15, "32", 32, &kSource, 1 },
    { Siemens, "Siemens", "R", FrameKind::Today, "F7B", "7.5", 7.5, "17", 17, &kSource, 2 },
    { Siemens, "Siemens", "R", FrameKind::Today, "F7A", "7.5", 7.5, "16", 16, &kSource, 3 },
    { Siemens, "Siemens", "R", FrameKind::Today, "F3", "3", 3, "7", 7, &kSource, 4 },
    { Siemens, "Siemens", "Old", FrameKind::Series, "S11", "11", 11, "25", 25, &kSource, 5 },
    { Moeller, "Eaton", "D", FrameKind::Today, "M11", "11", 11, "25", 25, &kSource, 6 },
    { Siemens, "Siemens", "R", FrameKind::Today, "F200", "200", 200, "400", 400, &kSource, 7 },
    { Lovato, "L", "U", FrameKind::Today, "U4", "4", 4, "9", 9, &kSource, 8 },
    { Lovato, "L", "U", FrameKind::Today, "U5", "", 0, "", 0, &kSource, 9 },
    { Lovato, "L", "U", FrameKind::Today, "U7", "7.5", 7.5, "18", 18, &kSource, 10 },
    { Lovato, "L", "U", FrameKind::Today, "U11", "11", 11, "25", 25, &kSource, 11 },
    { Lovato, "L", "U", FrameKind::Today, "U15", "", 0, "", 0, &kSource, 12 },
    { Lovato, "L", "U", FrameKind::Today, "U16", "", 0, "", 0, &kSource, 13 },
    { Lovato, "L", "U", FrameKind::Today, "U22", "22", 22, "50", 50, &kSource, 14 },
    { Lovato, "L", "U", FrameKind::Today, "U30", "", 0, "", 0, &kSource, 15 },
    { Lovato, "L", "V", FrameKind::Discontinued, "V11", "11", 11, "25", 25, &kSource, 16 },
    { Lovato, "L", "V", FrameKind::Discontinued, "V37", "37", 37, "80", 80, &kSource, 17 },
    { Danfoss, "D", "T", FrameKind::Today, "T1", "", 0, "", 0, &kSource, 18 },
    { Danfoss, "D", "T", FrameKind::Today, "T4", "4", 4, "9", 9, &kSource, 19 },
    { Danfoss, "D", "T", FrameKind::Today, "T5", "", 0, "", 0, &kSource, 20 },
    { Danfoss, "D", "W", FrameKind::Today, "W11", "11", 11, "25", 25, &kSource, 21 },
    { Iek, "I", "K", FrameKind::Today, "K9", "", 0, "9", 9, &kSource, 22 },
    { Iek, "I", "K", FrameKind::Today, "K11", "11", 11, "25", 25, &kSource, 23 },
} };

struct StepModel
{
    const char *name;
    Column maker;
    int step;
    std::string_view model; // empty: none
};

class TodaysModel : public testing::TestWithParam<StepModel>
{
};

TEST_P(TodaysModel, IsTheSmallestFrameSoldTodayThatReachesTheStep)
{
    const StepModel &e = GetParam();
    const TodayFrame *frame = smallestReaching(kFrames, e.maker, e.step);
    EXPECT_EQ(frame == nullptr ? std::string_view {} : frame->model, e.model);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, TodaysModel,
    testing::Values(StepModel { "smallest_step_skips_a_frame_below_it", Siemens, 1, "F7A" },
                    StepModel { "equal_power_then_smaller_current", Siemens, 3, "F7A" },
                    StepModel { "series_frames_do_not_count", Siemens, 4, "F15" },
                    StepModel { "exactly_the_step_power", Siemens, 6, "F15" },
                    StepModel { "far_larger_when_nothing_between", Siemens, 7, "F200" },
                    StepModel { "none_reaches", Siemens, 19, "" },
                    StepModel { "another_column", Moeller, 5, "M11" },
                    StepModel { "nothing_in_the_column", Abb, 1, "" },
                    StepModel { "not_a_step", Siemens, 20, "" },
                    StepModel { "rated_and_reaching", Lovato, 1, "U4" },
                    StepModel { "never_passes_over_an_unrated_frame", Lovato, 2, "U5" },
                    StepModel { "reaching_frame_of_the_steps_own_size", Lovato, 3, "U7" },
                    StepModel { "rated_frame_short_of_the_step_between", Lovato, 4, "U11" },
                    StepModel { "first_of_several_unrated", Lovato, 6, "U15" },
                    StepModel { "discontinued_range_where_today_has_none", Lovato, 9, "V37" },
                    StepModel { "unrated_frames_past_the_range_reach_nothing", Lovato, 19, "" },
                    StepModel { "own_size_after_an_unrated_first", Danfoss, 1, "T4" },
                    StepModel { "unrated_last_up_to_another_ranges_frame", Danfoss, 3, "T5" },
                    StepModel { "nothing_above_the_columns_largest", Danfoss, 6, "" },
                    StepModel { "a_current_is_a_rating_of_its_own", Iek, 1, "K11" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(TodaysModel, IsTextWithTheCatalogueMarkForNone)
{
    for (const ColumnInfo &info : kColumns) {
        for (int step = 1; step <= 19; ++step) {
            const TodayFrame *frame = todayFrame(info.column, step);
            EXPECT_EQ(todayModel(info.column, step), frame ? frame->model : "---");
            EXPECT_EQ(frame, smallestReaching(todayFrames(), info.column, step));
        }
    }
}

// The data in data/: what only the program can check; the build checks the rest
// (core/data_checks.h).
TEST(TodayData, EveryModelIsFoundByItsOwnCode)
{
    for (const TodayFrame &frame : todayFrames()) {
        SCOPED_TRACE(std::string(frame.model) + ", data/today.csv:" + std::to_string(frame.line));
        const ModelSearch search = findModel(frame.model);
        EXPECT_EQ(search.match, ModelMatch::Found);
        // Itself, or the catalogue's model of the same name in its column.
        const bool found
            = std::any_of(search.hits.begin(), search.hits.end(), [&](const ModelHit &h) {
                  return h.maker == frame.column
                      && (h.frame == &frame
                          || (h.frame == nullptr && modelKey(h.model) == modelKey(frame.model)));
              });
        EXPECT_TRUE(found);
    }
}

struct Code
{
    const char *name;
    std::string_view text;
    Column maker;
    std::string_view model;
    HitOrigin origin;
    std::vector<int> steps; // {kNoStep} below the smallest step
};

class FindingAFrame : public testing::TestWithParam<Code>
{
};

TEST_P(FindingAFrame, SaysWhereItIsFrom)
{
    const Code &e = GetParam();
    const ModelSearch search = findModel(e.text);
    EXPECT_EQ(search.match, ModelMatch::Found);
    std::vector<int> steps;
    for (const ModelHit &hit : search.hits) {
        EXPECT_EQ(hit.maker, e.maker);
        EXPECT_EQ(hit.model, e.model);
        EXPECT_EQ(hit.origin(), e.origin);
        steps.push_back(hit.step);
    }
    EXPECT_EQ(steps, e.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Finder, FindingAFrame,
    testing::Values(
        Code {
            "siemens_3rt2", "3RT2026-1AP00", Siemens, "3RT2026", HitOrigin::TodayRange, { 4, 5 } },
        Code { "abb_af", "AF26-30-00-13", Abb, "AF26", HitOrigin::TodayRange, { 4, 5 } },
        Code { "siemens_3rt1_series",
               "3RT1026-1AP00",
               Siemens,
               "3RT1026",
               HitOrigin::Series,
               { 4, 5 } },
        Code { "eaton_dilm", "DILM17-10", Moeller, "DILM17", HitOrigin::TodayRange, { 3 } },
        Code { "tesys_deca", "LC1D38", Telemecanique, "LC1D38", HitOrigin::TodayRange, { 7 } },
        Code { "abb_a_series", "A26-30-10", Abb, "A26", HitOrigin::Series, { 4, 5 } },
        Code { "below_the_smallest_step",
               "3RT2015-1AP61",
               Siemens,
               "3RT2015",
               HitOrigin::TodayRange,
               { kNoStep } },
        Code { "current_without_power",
               "КМИ-10910",
               Iek,
               "КМИ-10910",
               HitOrigin::TodayRange,
               { kNoStep } },
        Code { "other_spelling_with_the_contact_digit",
               "КМИ-11211",
               Iek,
               "КМИ-11210",
               HitOrigin::TodayRange,
               { kNoStep } },
        Code { "whole_reading_over_the_catalogue_model",
               "LC1D50AP7",
               Telemecanique,
               "LC1D50A",
               HitOrigin::TodayRange,
               { 8 } },
        Code { "not_the_catalogue_model_it_begins_with",
               "BF160T4E230",
               Lovato,
               "BF160",
               HitOrigin::TodayRange,
               { kNoStep } },
        Code { "unrated", "3RT2017-1AP01", Siemens, "3RT2017", HitOrigin::TodayRange, { kNoStep } },
        Code { "discontinued",
               "LC1F225M7",
               Telemecanique,
               "LC1F225",
               HitOrigin::Discontinued,
               { 15 } }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak
