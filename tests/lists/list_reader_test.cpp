// SPDX-License-Identifier: MIT
#include "lists/list_reader.h"

#include <gtest/gtest.h>
#include <vector>

namespace selmak::lists {
namespace {

using namespace std::string_literals;

struct LayoutEntry
{
    const char *name;
    std::string_view text;
    TextForm form;
    char separator;
    std::size_t width;
};

class SniffingTheLayout : public testing::TestWithParam<LayoutEntry>
{
};

TEST_P(SniffingTheLayout, CountsFieldsOverTheFirstRecords)
{
    const LayoutEntry &e = GetParam();
    const Layout layout = sniffLayout(e.text, e.form, std::nullopt);
    EXPECT_EQ(layout.separator, e.separator);
    EXPECT_EQ(layout.width, e.width);
}

constexpr TextForm kUtf8 {};
constexpr TextForm kMarked { Encoding::Utf8, true };
constexpr TextForm kCp1251 { Encoding::Windows1251, false };
constexpr TextForm kUtf16 { Encoding::Utf16Le, true };

INSTANTIATE_TEST_SUITE_P(
    Heads, SniffingTheLayout,
    testing::Values(
        LayoutEntry { "commas_in_the_header", "Поз.;Тип, марка, обозначение;Кол.\r\n1;LC1D09;2\r\n",
                      kUtf8, ';', 3 },
        LayoutEntry { "tabs_and_decimal_commas", "Поз.\tОбозначение\tКол.\n1\t7,5 кВт\t2\n", kUtf8,
                      '\t', 3 },
        LayoutEntry { "quoted_separators", "a,b\n\"x,y\",2\n\"p\nq\",3\n", kUtf8, ',', 2 },
        LayoutEntry { "the_widest_row", "a;b\n1;2\n1;2;3;4\n1;2\n", kUtf8, ';', 4 },
        LayoutEntry { "one_column_utf8", "LC1D09\nDILM9\n", kUtf8, ',', 1 },
        LayoutEntry { "one_column_marked", "LC1D09\nDILM9\n", kMarked, ';', 1 },
        LayoutEntry { "one_column_cp1251", "LC1D09\n", kCp1251, ';', 1 },
        LayoutEntry { "one_column_utf16", "LC1D09\n", kUtf16, '\t', 1 },
        LayoutEntry { "empty_rows_do_not_vote", "a;b\n;\n;\n;\n1;2\n", kUtf8, ';', 2 }),
    [](const auto &row) { return std::string(row.param.name); });

struct Read
{
    std::string text;
    std::string ending;
    std::size_t line;
    std::size_t lines;
    bool unclosed = false;
    std::size_t taken = 0;
    bool operator==(const Read &) const = default;
};

void PrintTo(const Read &r, std::ostream *os)
{
    *os << '{' << testing::PrintToString(r.text) << ' ' << testing::PrintToString(r.ending) << ' '
        << r.line << '+' << r.lines << (r.unclosed ? " unclosed " : " ") << r.taken << '}';
}

struct ReadEntry
{
    const char *name;
    std::string bytes;
    bool csv;
    std::vector<Read> records;
};

class Reading : public testing::TestWithParam<ReadEntry>
{
};

// Every record once, in order, with its own line end and line number.
TEST_P(Reading, GivesEveryRecordOnce)
{
    const ReadEntry &e = GetParam();
    MemorySource source(e.bytes);
    ListReader reader(source, { e.csv, std::nullopt });
    ASSERT_EQ(reader.open(), NotText::No);
    std::vector<Read> records;
    for (ListRecord r; reader.next(r);)
        records.push_back(
            { std::string(r.text), std::string(r.ending), r.line, r.lines, r.unclosed, r.taken });
    EXPECT_EQ(records, e.records);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Reading,
    testing::Values(
        ReadEntry { "empty", "", true, {} },
        ReadEntry { "every_line_end",
                    "a\r\nb\nc\rd",
                    false,
                    { { "a", "\r\n", 1, 1 },
                      { "b", "\n", 2, 1 },
                      { "c", "\r", 3, 1 },
                      { "d", "", 4, 1 } } },
        ReadEntry { "byte_order_mark_taken_off",
                    "\xEF\xBB\xBFLC1D09\n",
                    false,
                    { { "LC1D09", "\n", 1, 1 } } },
        ReadEntry {
            "empty_lines_kept",
            "a\n\n\nb",
            false,
            { { "a", "\n", 1, 1 }, { "", "\n", 2, 1 }, { "", "\n", 3, 1 }, { "b", "", 4, 1 } } },
        ReadEntry {
            "quoted_line_break",
            "a;b\r\n\"x\ny\";2\r\n3;4\r\n",
            true,
            { { "a;b", "\r\n", 1, 1 }, { "\"x\ny\";2", "\r\n", 2, 2 }, { "3;4", "\r\n", 4, 1 } } },
        ReadEntry { "quote_in_a_list_is_text",
                    "\"x\ny\n",
                    false,
                    { { "\"x", "\n", 1, 1 }, { "y", "\n", 2, 1 } } },
        ReadEntry { "unclosed_quote_read_again",
                    "П;О;К\r\n1;\"LC1D09;2\r\n2;LC1D18;1\r\n3;DILM9;1\r\n",
                    true,
                    { { "П;О;К", "\r\n", 1, 1 },
                      { "1;\"LC1D09;2", "\r\n", 2, 1, true, 3 },
                      { "2;LC1D18;1", "\r\n", 3, 1 },
                      { "3;DILM9;1", "\r\n", 4, 1 } } },
        ReadEntry { "cp1251",
                    "\xCF\xEE\xE7.;\xCE\xE1\xEE\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n1;\xCA\xCC\xC8-"
                    "11811\r\n",
                    true,
                    { { "Поз.;Обозначение", "\r\n", 1, 1 }, { "1;КМИ-11811", "\r\n", 2, 1 } } },
        ReadEntry { "utf16",
                    "\xFF\xFE"
                    "1\0\t\0\x1A\x04\r\0\n\0"s,
                    true,
                    { { "1\tК", "\r\n", 1, 1 } } }),
    [](const auto &row) { return std::string(row.param.name); });

// A quote that never closes in a long bill takes no more than one more pass over what follows.
TEST(Reading, AnUnclosedQuoteCostsOnePass)
{
    std::string bytes = "Поз.;Обозначение;Кол.\r\n1;\"LC1D09;2\r\n";
    for (int i = 0; i < 80000; ++i)
        bytes.append(std::to_string(i)).append(";LC1D18;1\r\n");
    MemorySource source(bytes);
    ListReader reader(source, { true, std::nullopt });
    ASSERT_EQ(reader.open(), NotText::No);
    std::size_t records = 0;
    std::size_t unclosed = 0;
    for (ListRecord r; reader.next(r); ++records)
        unclosed += r.unclosed ? 1 : 0;
    EXPECT_EQ(records, 80002u);
    EXPECT_EQ(unclosed, 1u);
}

} // namespace
} // namespace selmak::lists
