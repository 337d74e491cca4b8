// SPDX-License-Identifier: MIT
#include "cli/query.h"

#include <gtest/gtest.h>

namespace selmak::cli {
namespace {

struct Entry
{
    const char *name;
    std::string_view line;
    QueryKind kind;
    std::string_view numeral; // what the lenient reader gets; empty for a model
};

class Classifying : public testing::TestWithParam<Entry>
{
};

TEST_P(Classifying, SortsTheLine)
{
    const Entry &e = GetParam();
    const Query query = classifyQuery(e.line);
    EXPECT_EQ(query.kind, e.kind);
    EXPECT_EQ(query.numeral, e.numeral);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Classifying,
    testing::Values(Entry { "kilowatts", "7.5 kW", QueryKind::Power, "7.5" },
                    Entry { "kilowatts_lower_case", "7.5kw", QueryKind::Power, "7.5" },
                    Entry { "cyrillic_with_comma", "7,5кВт", QueryKind::Power, "7.5" },
                    Entry { "cyrillic_upper_case", " 11 КВТ\t", QueryKind::Power, "11" },
                    Entry { "bare_number_is_power", "15", QueryKind::Power, "15" },
                    Entry { "signed", "-3 kW", QueryKind::Power, "-3" },
                    Entry { "leading_point", ".5", QueryKind::Power, ".5" },
                    Entry { "amperes_latin", "12 A", QueryKind::Current, "12" },
                    Entry { "amperes_cyrillic", "12А", QueryKind::Current, "12" },
                    Entry { "amperes_cyrillic_lower", "12,5 а", QueryKind::Current, "12.5" },
                    Entry { "model_starting_with_digits", "3RT1016-1BB41", QueryKind::Model, "" },
                    Entry { "model_digits_then_letter", "12AB", QueryKind::Model, "" },
                    Entry { "two_separators", "1.2.3", QueryKind::Model, "" },
                    Entry { "unit_alone", "kW", QueryKind::Model, "" },
                    Entry { "empty", "", QueryKind::Model, "" },
                    Entry { "model", "LC1D18M7", QueryKind::Model, "" },
                    Entry { "cyrillic_model", "КМИ-11811", QueryKind::Model, "" }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak::cli
