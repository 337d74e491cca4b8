// SPDX-License-Identifier: MIT
#include "core/answer.h"

#include <gtest/gtest.h>

namespace selmak {
namespace {

struct Line
{
    const char *name;
    std::string_view text;
    QueryKind kind;
    std::string_view numeral; // what the lenient reader gets; empty for a model
};

class Classifying : public testing::TestWithParam<Line>
{
};

TEST_P(Classifying, SortsTheLine)
{
    const Line &e = GetParam();
    const Query query = classifyQuery(e.text);
    EXPECT_EQ(query.kind, e.kind);
    EXPECT_EQ(query.numeral, e.numeral);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Classifying,
    testing::Values(Line { "kilowatts", "7.5 kW", QueryKind::Power, "7.5" },
                    Line { "kilowatts_lower_case", "7.5kw", QueryKind::Power, "7.5" },
                    Line { "cyrillic_with_comma", "7,5кВт", QueryKind::Power, "7.5" },
                    Line { "cyrillic_upper_case", " 11 КВТ\t", QueryKind::Power, "11" },
                    Line { "bare_number_is_power", "15", QueryKind::Power, "15" },
                    Line { "signed", "-3 kW", QueryKind::Power, "-3" },
                    Line { "leading_point", ".5", QueryKind::Power, ".5" },
                    Line { "amperes_latin", "12 A", QueryKind::Current, "12" },
                    Line { "amperes_cyrillic", "12А", QueryKind::Current, "12" },
                    Line { "amperes_cyrillic_lower", "12,5 а", QueryKind::Current, "12.5" },
                    Line { "model_starting_with_digits", "3RT1016-1BB41", QueryKind::Model, "" },
                    Line { "model_digits_then_letter", "12AB", QueryKind::Model, "" },
                    Line { "two_separators", "1.2.3", QueryKind::Model, "" },
                    Line { "unit_alone", "kW", QueryKind::Model, "" },
                    Line { "empty", "", QueryKind::Model, "" },
                    Line { "cyrillic_model", "КМИ-11811", QueryKind::Model, "" }),
    [](const auto &row) { return std::string(row.param.name); });

struct Asked
{
    const char *name;
    std::string_view text;
    std::optional<QueryKind> kind;
    Outcome outcome;
    std::vector<int> steps; // of the hits
    std::vector<int> rated; // of the hits a list's row answers with
};

class Answering : public testing::TestWithParam<Asked>
{
};

std::vector<int> stepsOf(const std::vector<ModelHit> &hits)
{
    std::vector<int> steps;
    for (const ModelHit &hit : hits)
        steps.push_back(hit.step);
    return steps;
}

TEST_P(Answering, SaysWhatTheLineFoundAsAValue)
{
    const Asked &a = GetParam();
    const Answer found = answer(a.text, a.kind);
    EXPECT_EQ(found.outcome, a.outcome);
    EXPECT_EQ(stepsOf(found.hits), a.steps);
    EXPECT_EQ(stepsOf(found.rated()), a.rated);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Answering,
    testing::Values(
        Asked { "power", "7,5 кВт", std::nullopt, Outcome::Found, { 3 }, { 3 } },
        Asked { "current_given", "12", QueryKind::Current, Outcome::Found, { 2 }, { 2 } },
        Asked { "out_of_range", "300", std::nullopt, Outcome::OutOfRange, {}, {} },
        // LC1D18 stands at steps 3 and 4; its own 7.5 kW gives 3.
        Asked { "own_rating_decides", "LC1D18M7", std::nullopt, Outcome::Found, { 3, 4 }, { 3 } },
        // Steps 4 and 5 are both 11 kW: a frame of 11 kW stands at both.
        Asked { "frame_at_two_steps",
                "3RT2026-1AP00",
                std::nullopt,
                Outcome::Found,
                { 4, 5 },
                { 4, 5 } },
        Asked { "candidates", "LC1D1", std::nullopt, Outcome::Candidate, { 2, 3, 4 }, { 2, 3 } },
        Asked { "below_the_smallest_step",
                "3RT2015",
                std::nullopt,
                Outcome::BelowSmallestStep,
                { kNoStep },
                { kNoStep } },
        Asked { "no_power_published",
                "КМИ-10910",
                std::nullopt,
                Outcome::NoPublishedPower,
                { kNoStep },
                { kNoStep } },
        Asked { "rating_not_confirmed",
                "AF38Z-30-00K-22",
                std::nullopt,
                Outcome::RatingNotConfirmed,
                { kNoStep },
                { kNoStep } },
        Asked { "no_model", "QQ123", std::nullopt, Outcome::NoModel, {}, {} },
        Asked { "nothing_to_find", " -/ ", std::nullopt, Outcome::NothingToFind, {}, {} }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak
