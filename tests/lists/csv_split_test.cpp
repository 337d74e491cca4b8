// SPDX-License-Identifier: MIT
#include "lists/csv_split.h"

#include <gtest/gtest.h>
#include <vector>

namespace selmak::lists {
namespace {

struct SplitEntry
{
    const char *name;
    std::string_view record;
    char separator;
    std::vector<std::string> values;
    bool closed;
};

class Splitting : public testing::TestWithParam<SplitEntry>
{
};

TEST_P(Splitting, ReadsTheFieldsAsRfc4180Does)
{
    const SplitEntry &e = GetParam();
    CsvFields fields(e.record, e.separator);
    std::vector<std::string> values;
    for (std::string_view field; fields.next(field);)
        values.push_back(fieldValue(field));
    EXPECT_EQ(values, e.values);
    EXPECT_EQ(fields.closed(), e.closed);
    EXPECT_EQ(fieldCount(e.record, e.separator), e.values.size());
    EXPECT_EQ(csvScan(CsvState::FieldStart, e.record, e.separator) != CsvState::Quoted, e.closed);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Splitting,
    testing::Values(
        SplitEntry { "plain", "1,LC1D09,2", ',', { "1", "LC1D09", "2" }, true },
        SplitEntry { "empty_record", "", ',', { "" }, true },
        SplitEntry { "empty_fields", ";;", ';', { "", "", "" }, true },
        SplitEntry { "tabs", "1\t7,5 кВт\t2", '\t', { "1", "7,5 кВт", "2" }, true },
        SplitEntry { "quoted_separator", "\"a;b\";c", ';', { "a;b", "c" }, true },
        SplitEntry { "doubled_quote", "\"say \"\"hi\"\"\",x", ',', { "say \"hi\"", "x" }, true },
        SplitEntry { "line_break_inside", "\"a\r\nb\",c", ',', { "a\r\nb", "c" }, true },
        SplitEntry { "quote_inside_plain_field", "5\" pipe,x", ',', { "5\" pipe", "x" }, true },
        SplitEntry { "text_after_closing_quote", "\"a\"b,c", ',', { "ab", "c" }, true },
        SplitEntry { "unclosed", "1;\"LC1D09;2", ';', { "1", "LC1D09;2" }, false },
        SplitEntry { "nul_byte",
                     std::string_view("a\0b,c", 5),
                     ',',
                     { std::string("a\0b", 3), "c" },
                     true }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(FieldAt, PicksOneFieldOrSaysThereIsNone)
{
    std::string_view field;
    ASSERT_TRUE(fieldAt("1;\"LC1D09; 230V\";2", ';', 1, field));
    EXPECT_EQ(fieldValue(field), "LC1D09; 230V");
    EXPECT_FALSE(fieldAt("1;LC1D09", ';', 2, field));
}

} // namespace
} // namespace selmak::lists
