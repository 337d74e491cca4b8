// SPDX-License-Identifier: MIT
#include "lists/encoding.h"

#include <gtest/gtest.h>

namespace selmak::lists {
namespace {

using namespace std::string_literals;

std::string decoded(Encoding encoding, std::string_view bytes, std::size_t piece)
{
    Decoder decoder(encoding);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += piece)
        decoder.decode(bytes.substr(i, piece), text);
    EXPECT_FALSE(decoder.leftOver());
    return text;
}

struct RoundTrip
{
    const char *name;
    Encoding encoding;
    std::string bytes;
    std::string text; // UTF-8
};

class Decoding : public testing::TestWithParam<RoundTrip>
{
};

// Read in pieces of any size, and written back byte for byte.
TEST_P(Decoding, IsExactBothWays)
{
    const RoundTrip &r = GetParam();
    for (const std::size_t piece : { std::size_t { 1 }, std::size_t { 3 }, r.bytes.size() + 1 })
        EXPECT_EQ(decoded(r.encoding, r.bytes, piece), r.text) << piece;
    std::string back;
    encode(r.text, r.encoding, back);
    EXPECT_EQ(back, r.bytes);
}

std::string every1251Byte()
{
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, Decoding,
    testing::Values(
        RoundTrip { "cp1251_cyrillic", Encoding::Windows1251, "\xCA\xCC\xC8-11811; \xB9 \xE0\xFF",
                    "КМИ-11811; № ая" },
        RoundTrip { "cp1251_unassigned_0x98", Encoding::Windows1251, "\x98", "\xC2\x98" },
        RoundTrip { "utf16le", Encoding::Utf16Le, "\x1A\x04\x31\x00\t\x00"s, "К1\t" },
        RoundTrip { "utf16be", Encoding::Utf16Be, "\x04\x1A\x00\x31"s, "К1" },
        RoundTrip { "utf16_surrogate_pair", Encoding::Utf16Le, "\x3D\xD8\x00\xDE"s,
                    "\xF0\x9F\x98\x80" },
        RoundTrip { "utf16_lone_surrogate", Encoding::Utf16Le, "\x00\xD8\x41\x00"s,
                    "\xED\xA0\x80"
                    "A" },
        RoundTrip { "utf8_as_it_is", Encoding::Utf8, "bad \xFF byte", "bad \xFF byte" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(Decoding, Windows1251ReadsEveryByteAndWritesItBack)
{
    const std::string bytes = every1251Byte();
    const std::string text = decoded(Encoding::Windows1251, bytes, 7);
    std::string back;
    encode(text, Encoding::Windows1251, back);
    EXPECT_EQ(back, bytes);
    std::string unknown;
    encode("→", Encoding::Windows1251, unknown);
    EXPECT_EQ(unknown, "?");
}

struct Detected
{
    const char *name;
    std::string head;
    bool complete;
    Encoding encoding;
    bool byteOrderMark;
};

class Detecting : public testing::TestWithParam<Detected>
{
};

TEST_P(Detecting, NamesTheEncoding)
{
    const Detected &d = GetParam();
    const TextForm form = detectEncoding(d.head, d.complete);
    EXPECT_EQ(form.encoding, d.encoding);
    EXPECT_EQ(form.byteOrderMark, d.byteOrderMark);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, Detecting,
    testing::Values(Detected { "utf8_mark", "\xEF\xBB\xBFx;y", true, Encoding::Utf8, true },
                    Detected { "utf16le_mark", "\xFF\xFEx\0"s, true, Encoding::Utf16Le, true },
                    Detected { "utf16be_mark", "\xFE\xFF\0x"s, true, Encoding::Utf16Be, true },
                    Detected { "utf8", "КМИ-11811", true, Encoding::Utf8, false },
                    Detected { "ascii", "LC1D09", true, Encoding::Utf8, false },
                    Detected { "cp1251", "\xCA\xCC\xC8-11811", true, Encoding::Windows1251, false },
                    Detected { "utf8_cut_by_the_head", "LC \xD0", false, Encoding::Utf8, false },
                    Detected { "cut_at_the_end_of_the_file", "LC \xD0", true, Encoding::Windows1251,
                               false }),
    [](const auto &row) { return std::string(row.param.name); });

struct Sniffed
{
    const char *name;
    std::string head;
    NotText verdict;
};

class SniffingBinary : public testing::TestWithParam<Sniffed>
{
};

TEST_P(SniffingBinary, RefusesWhatIsNotText)
{
    EXPECT_EQ(sniffNotText(GetParam().head), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, SniffingBinary,
    testing::Values(Sniffed { "xlsx", "PK\x03\x04\x14\0"s, NotText::Spreadsheet },
                    Sniffed { "xls", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s, NotText::Spreadsheet },
                    Sniffed { "nul", "LC1D09\0\n"s, NotText::Binary },
                    Sniffed { "control_bytes", "\x01\x02\x03\x04x", NotText::Binary },
                    Sniffed { "utf16_with_nuls", "\xFF\xFEL\0C\0"s, NotText::No },
                    Sniffed { "an_escape_in_a_line", "LC1D09\x1B[31m\r\n", NotText::No },
                    Sniffed { "empty", "", NotText::No }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak::lists
