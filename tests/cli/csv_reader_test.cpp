// SPDX-License-Identifier: MIT
#include "cli/csv_reader.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace selmak::cli {
namespace {

struct SplitEntry
{
    const char *name;
    std::string_view record;
    char separator;
    std::vector<std::string> fields;
    bool closed;
};

class Splitting : public testing::TestWithParam<SplitEntry>
{
};

TEST_P(Splitting, ReadsTheFieldsAsRfc4180Does)
{
    const SplitEntry &e = GetParam();
    std::vector<std::string> fields { "left over" };
    EXPECT_EQ(splitFields(e.record, e.separator, fields), e.closed);
    EXPECT_EQ(fields, e.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Splitting,
    testing::Values(
        SplitEntry { "plain", "1,LC1D09,2", ',', { "1", "LC1D09", "2" }, true },
        SplitEntry { "empty_record", "", ',', { "" }, true },
        SplitEntry { "empty_fields", ",,", ',', { "", "", "" }, true },
        SplitEntry { "semicolons", "a;b,c", ';', { "a", "b,c" }, true },
        SplitEntry { "quoted_separator", "\"a,b\",c", ',', { "a,b", "c" }, true },
        SplitEntry { "doubled_quote", "\"say \"\"hi\"\"\",x", ',', { "say \"hi\"", "x" }, true },
        SplitEntry { "line_break_inside", "\"a\nb\",c", ',', { "a\nb", "c" }, true },
        SplitEntry { "quote_inside_plain_field", "5\" pipe,x", ',', { "5\" pipe", "x" }, true },
        SplitEntry { "text_after_closing_quote", "\"a\"b,c", ',', { "ab", "c" }, true },
        SplitEntry { "unclosed", "x,\"a,b", ',', { "x", "a,b" }, false },
        SplitEntry { "nul_byte",
                     std::string_view("a\0b,c", 5),
                     ',',
                     { std::string("a\0b", 3), "c" },
                     true }),
    [](const auto &row) { return std::string(row.param.name); });

struct SeparatorEntry
{
    const char *name;
    std::string_view header;
    char separator;
};

class DetectingTheSeparator : public testing::TestWithParam<SeparatorEntry>
{
};

TEST_P(DetectingTheSeparator, CountsOutsideQuotes)
{
    EXPECT_EQ(detectSeparator(GetParam().header), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, DetectingTheSeparator,
    testing::Values(SeparatorEntry { "commas", "Pos,Code,Qty", ',' },
                    SeparatorEntry { "semicolons", "Поз.;Обозначение;Кол.", ';' },
                    SeparatorEntry { "quoted_commas_do_not_count", "\"a,b,c\";d;e", ';' },
                    SeparatorEntry { "single_column", "Code", ',' },
                    SeparatorEntry { "tie_is_comma", "a;b,c", ',' }),
    [](const auto &row) { return std::string(row.param.name); });

struct FileEntry
{
    const char *name;
    std::string_view bytes;
    char separator;
    bool byteOrderMark;
    std::vector<std::string_view> raws; // each record as read, line ending removed
    std::vector<std::string_view> endings;
};

class ReadingAFile : public testing::TestWithParam<FileEntry>
{
};

TEST_P(ReadingAFile, KeepsEveryRecordAndItsEnding)
{
    const FileEntry &e = GetParam();
    std::FILE *file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fwrite(e.bytes.data(), 1, e.bytes.size(), file);
    std::rewind(file);
    LineReader lines(file);
    CsvReader csv(lines);
    CsvReader::Record record;
    std::vector<std::string_view> raws;
    std::vector<std::string_view> endings;
    std::vector<std::string> storage; // the views die with the next record
    while (csv.next(record)) {
        storage.emplace_back(record.raw);
        storage.emplace_back(record.ending);
    }
    for (std::size_t i = 0; i < storage.size(); i += 2) {
        raws.emplace_back(storage[i]);
        endings.emplace_back(storage[i + 1]);
    }
    std::fclose(file);
    EXPECT_EQ(csv.separator(), e.separator);
    EXPECT_EQ(csv.byteOrderMark(), e.byteOrderMark);
    EXPECT_EQ(raws, e.raws);
    EXPECT_EQ(endings, e.endings);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingAFile,
    testing::Values(
        FileEntry { "empty", "", ',', false, {}, {} },
        FileEntry { "bom_crlf_semicolons",
                    "\xEF\xBB\xBF"
                    "a;b\r\n1;2\r\n",
                    ';',
                    true,
                    { "a;b", "1;2" },
                    { "\r\n", "\r\n" } },
        FileEntry { "no_final_newline", "a,b\n1,2", ',', false, { "a,b", "1,2" }, { "\n", "" } },
        FileEntry {
            "blank_line_kept", "a\n\nb\n", ',', false, { "a", "", "b" }, { "\n", "\n", "\n" } },
        FileEntry { "quoted_line_break",
                    "a,b\n\"x\r\ny\",2\r\n",
                    ',',
                    false,
                    { "a,b", "\"x\r\ny\",2" },
                    { "\n", "\r\n" } }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak::cli
