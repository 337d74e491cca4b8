// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <gtest/gtest.h>

namespace selmak::cli {
namespace {

using enum Column;

struct CommandLine
{
    const char *name;
    std::vector<std::string_view> args;
    std::string error; // empty: accepted, and then the rest must hold
    Mode mode = Mode::None;
    std::string subject = {};
    int column = 0;
    Format format = Format::Text;
    std::vector<Column> makers = {}; // empty: all fourteen
    std::optional<bool> header = {};
    std::optional<char> separator = {};
    Language language = Language::English;
};

class ParsingOptions : public testing::TestWithParam<CommandLine>
{
};

TEST_P(ParsingOptions, AppliesEveryRule)
{
    const CommandLine &e = GetParam();
    Options options;
    std::string error;
    EXPECT_EQ(parseOptions(e.args, options, error, e.language), e.error.empty());
    EXPECT_EQ(error, e.error);
    if (!e.error.empty() || e.mode == Mode::None) // --help and --version need no more
        return;
    EXPECT_EQ(options.mode, e.mode);
    EXPECT_EQ(options.subject, e.subject);
    EXPECT_EQ(options.column, e.column);
    EXPECT_EQ(options.format, e.format);
    EXPECT_EQ(options.makers, e.makers.empty() ? allMakers() : e.makers);
    EXPECT_EQ(options.header, e.header);
    EXPECT_EQ(options.separator, e.separator);
}

const std::string kOneMode = "give one of --power, --current, --model and --batch";

INSTANTIATE_TEST_SUITE_P(
    Rules, ParsingOptions,
    testing::Values(
        // One mode, exactly.
        CommandLine { "power", { "--power", "7.5" }, "", Mode::Power, "7.5" },
        CommandLine { "value_after_equals", { "--current=12" }, "", Mode::Current, "12" },
        CommandLine { "negative_value", { "--power", "-3" }, "", Mode::Power, "-3" },
        CommandLine { "standard_input", { "--batch", "-" }, "", Mode::Batch, "-" },
        CommandLine { "no_mode",
                      { "--to", "ABB" },
                      "nothing to look up: give --power, --current, --model or --batch" },
        CommandLine { "two_modes", { "--power", "1", "--model", "A9" }, kOneMode },
        CommandLine { "one_mode_twice", { "--model", "A9", "--model", "B9" }, kOneMode },
        // --column only with --batch, and not with JSON.
        CommandLine { "column",
                      { "--batch", "bom.csv", "--column", "3", "--format", "csv" },
                      "",
                      Mode::Batch,
                      "bom.csv",
                      3,
                      Format::Csv },
        CommandLine { "column_needs_batch",
                      { "--power", "7.5", "--column", "2" },
                      "--column reads a bill of materials: it needs --batch" },
        CommandLine {
            "column_not_with_json",
            { "--batch", "-", "--column", "1", "--format", "json" },
            "--column writes the bill of materials back as CSV: --format json does not apply" },
        CommandLine { "column_zero",
                      { "--batch", "-", "--column", "0" },
                      "--column needs a column number from 1, not '0'" },
        CommandLine { "column_not_a_number",
                      { "--batch", "-", "--column", "2x" },
                      "--column needs a column number from 1, not '2x'" },
        // Formats.
        CommandLine { "format_json",
                      { "--model", "A9", "--format=json" },
                      "",
                      Mode::Model,
                      "A9",
                      0,
                      Format::Json },
        CommandLine { "last_format_wins",
                      { "--model", "A9", "--format", "csv", "--format", "text" },
                      "",
                      Mode::Model,
                      "A9",
                      0,
                      Format::Text },
        CommandLine { "unknown_format",
                      { "--model", "A9", "--format", "xml" },
                      "unknown format 'xml' (text, csv or json)" },
        // Makers: captions and today's brands, in any case, each once, in the order given.
        CommandLine { "makers_in_order",
                      { "--power", "4", "--to", "иэк, Siemens ,moeller,ИЭК" },
                      "",
                      Mode::Power,
                      "4",
                      0,
                      Format::Text,
                      { Iek, Siemens, Moeller } },
        CommandLine { "makers_over_two_options",
                      { "--power", "4", "--to", "ABB", "--to=GE-AEG" },
                      "",
                      Mode::Power,
                      "4",
                      0,
                      Format::Text,
                      { Abb, GeAeg } },
        CommandLine { "brands_of_today",
                      { "--power", "4", "--to", "EATON,schneider electric,allen bradley,IEK" },
                      "",
                      Mode::Power,
                      "4",
                      0,
                      Format::Text,
                      { Moeller, Telemecanique, AlienBradey, Iek } },
        CommandLine { "unknown_maker",
                      { "--power", "4", "--to", "ABB,Acme" },
                      "unknown maker 'Acme' for --to" },
        CommandLine {
            "empty_maker", { "--power", "4", "--to", "ABB," }, "unknown maker '' for --to" },
        // What CLI11 refuses, in the program's words.
        CommandLine { "unknown_option", { "--kw", "7.5" }, "unknown option '--kw'" },
        CommandLine { "unknown_option_with_value", { "--kw=7.5" }, "unknown option '--kw'" },
        CommandLine { "bare_code",
                      { "LC1D18M7", "--to", "ABB" },
                      "",
                      Mode::Model,
                      "LC1D18M7",
                      0,
                      Format::Text,
                      { Abb } },
        CommandLine { "second_bare_argument", { "LC1D18M7", "A9" }, "unknown option 'A9'" },
        CommandLine { "bare_code_beside_a_mode", { "--power", "7.5", "11" }, kOneMode },
        CommandLine { "no_header",
                      { "--batch", "-", "--column", "2", "--no-header" },
                      "",
                      Mode::Batch,
                      "-",
                      2,
                      Format::Text,
                      {},
                      false },
        CommandLine { "header_for_a_list",
                      { "--batch", "-", "--header" },
                      "",
                      Mode::Batch,
                      "-",
                      0,
                      Format::Text,
                      {},
                      true },
        CommandLine { "tab_separator",
                      { "--batch", "-", "--column", "1", "--separator=tab" },
                      "",
                      Mode::Batch,
                      "-",
                      1,
                      Format::Text,
                      {},
                      std::nullopt,
                      '\t' },
        CommandLine { "unknown_separator",
                      { "--batch", "-", "--separator", "|" },
                      "unknown separator '|' (';', ',' or tab)" },
        CommandLine { "russian",
                      { "--kw", "7.5" },
                      "неизвестный параметр «--kw»",
                      Mode::None,
                      "",
                      0,
                      Format::Text,
                      {},
                      std::nullopt,
                      std::nullopt,
                      Language::Russian },
        CommandLine { "missing_value", { "--power" }, "option '--power' needs a value" },
        CommandLine { "help_needs_no_mode", { "-h" }, "" },
        CommandLine { "version_needs_no_mode", { "--version" }, "" }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak::cli
