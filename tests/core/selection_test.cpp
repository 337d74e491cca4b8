// SPDX-License-Identifier: MIT
#include "core/rating.h"
#include "core/selection.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace selmak {
namespace {

enum class Kind { Power, Current };

struct Entry
{
    const char *name;
    Kind kind;
    std::string text;
    std::optional<int> step; // none: the step on show stays
    bool warns;
};

void PrintTo(const Entry &e, std::ostream *os)
{
    *os << (e.kind == Kind::Power ? "power " : "current ") << '"' << e.text << '"';
}

class Selecting : public testing::TestWithParam<Entry>
{
};

TEST_P(Selecting, DecidesTheStepAndTheWarning)
{
    const Entry &e = GetParam();
    const Rating &rating = e.kind == Kind::Power ? kPowerRating : kCurrentRating;
    const Selected selected = select(rating, e.text);
    EXPECT_EQ(selected.step, e.step);
    EXPECT_EQ(selected.warning,
              e.warns ? std::optional<std::string_view>(rating.warning) : std::nullopt);
}

constexpr std::nullopt_t kStays = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Power, Selecting,
    testing::Values(Entry { "lowest_limit", Kind::Power, "2.3", 1, false },
                    Entry { "below_limit", Kind::Power, "2.29", kStays, true },
                    Entry { "first_upper_bound", Kind::Power, "4", 1, false },
                    Entry { "rounds_onto_bound", Kind::Power, "4.0000001", 1, false },
                    Entry { "gap_above_four", Kind::Power, "4.00005", 2, false },
                    Entry { "second_lower_bound", Kind::Power, "4.0001", 2, false },
                    Entry { "typical", Kind::Power, "7.5", 3, false },
                    Entry { "eleven_is_row_four", Kind::Power, "11", 4, false },
                    Entry { "gap_above_eighteen_five", Kind::Power, "18.500005", 8, false },
                    Entry { "four_zeros_bound", Kind::Power, "18.50001", 8, false },
                    Entry { "just_over_eighteen_five", Kind::Power, "18.5001", 8, false },
                    Entry { "highest_limit", Kind::Power, "250", 19, false },
                    Entry { "above_limit", Kind::Power, "250.0001", kStays, true },
                    Entry { "far_above", Kind::Power, "1e30", kStays, true },
                    Entry { "beyond_float", Kind::Power, "1e39", kStays, true },
                    Entry { "beyond_double", Kind::Power, "1e400", kStays, true },
                    Entry { "empty_reads_zero", Kind::Power, "", kStays, true },
                    Entry { "negative", Kind::Power, "-5", kStays, true },
                    Entry { "negative_beyond_double", Kind::Power, "-1e400", kStays, true },
                    Entry { "comma", Kind::Power, "5,5", 2, false },
                    Entry { "with_unit", Kind::Power, "7.5 кВт", 3, false }),
    [](const testing::TestParamInfo<Entry> &p) { return p.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Current, Selecting,
    testing::Values(Entry { "lowest_limit", Kind::Current, "6.6", 1, false },
                    Entry { "first_lower_bound", Kind::Current, "6.6001", 1, false },
                    Entry { "below_limit", Kind::Current, "6.59", kStays, true },
                    Entry { "first_upper_bound", Kind::Current, "8.8", 1, false },
                    Entry { "second_lower_bound", Kind::Current, "8.8001", 2, false },
                    Entry { "gap_above_22_5", Kind::Current, "22.50001", 6, false },
                    Entry { "highest_limit", Kind::Current, "500", 19, false },
                    Entry { "above_limit", Kind::Current, "501", kStays, true },
                    Entry { "zero", Kind::Current, "abc", kStays, true }),
    [](const testing::TestParamInfo<Entry> &p) { return p.param.name; });

TEST(Selection, StoresInSinglePrecision)
{
    const float value = select(kPowerRating, "18.500005").value;
    EXPECT_EQ(value, 18.500005f);
    EXPECT_NE(static_cast<double>(value), 18.500005);
    EXPECT_EQ(select(kPowerRating, "1e400").value, std::numeric_limits<float>::infinity());
}

} // namespace
} // namespace selmak
