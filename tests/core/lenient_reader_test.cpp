// SPDX-License-Identifier: MIT
#include "core/lenient_reader.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace selmak {
namespace {

struct Reading
{
    const char *name;
    std::string text;
    double value;
};

void PrintTo(const Reading &r, std::ostream *os)
{
    *os << '"' << r.text << '"';
}

class LenientReading : public testing::TestWithParam<Reading>
{
};

TEST_P(LenientReading, ReadsTheLeadingNumber)
{
    const Reading &r = GetParam();
    const double got = readLenient(r.text);
    EXPECT_EQ(got, r.value);
    EXPECT_EQ(std::signbit(got), std::signbit(r.value));
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Reader, LenientReading,
    testing::Values(
        Reading { "plain", "7.5", 7.5 }, Reading { "leading_blank", " 5.5", 5.5 },
        Reading { "blank_inside_digits", "1 1", 11.0 },
        Reading { "tabs_and_line_feeds", "\t1\n2 .\t5", 12.5 },
        Reading { "sign_then_blank", "- 5", -5.0 }, Reading { "plus_sign", "+4", 4.0 },
        Reading { "comma_ends_number", "5,5", 5.0 },
        Reading { "unit_after_number", "7.5 кВт", 7.5 },
        Reading { "second_period_ends_number", "1.2.3", 1.2 }, Reading { "exponent", "1e2", 100.0 },
        Reading { "capital_exponent_negative", "25E-1", 2.5 },
        Reading { "exponent_with_blanks", "1 e + 2", 100.0 },
        Reading { "exponent_without_digits", "4e", 4.0 },
        Reading { "exponent_sign_without_digits", "4e-x", 4.0 },
        Reading { "leading_period", ".5", 0.5 }, Reading { "trailing_period", "5.", 5.0 },
        Reading { "negative_fraction", "-.25", -0.25 }, Reading { "empty", "", 0.0 },
        Reading { "blanks_only", "   ", 0.0 }, Reading { "letters_only", "abc", 0.0 },
        Reading { "lone_sign", "-", 0.0 }, Reading { "lone_period", ".", 0.0 },
        Reading { "exponent_alone", "e5", 0.0 }, Reading { "double_sign", "--5", 0.0 },
        Reading { "carriage_return_ends_number", "1\r2", 1.0 },
        Reading { "no_break_space_ends_number", "1\u00a02", 1.0 },
        Reading { "hex_prefix_not_read", "&H10", 0.0 },
        Reading { "d_exponent_not_read", "1d2", 1.0 }, Reading { "negative_zero", "-0", -0.0 },
        Reading { "overflow", "1e400", kInf }, Reading { "negative_overflow", "-1e400", -kInf },
        Reading { "huge_exponent", "1e99999999999999999999", kInf },
        Reading { "underflow", "1e-400", 0.0 }, Reading { "negative_underflow", "-1e-400", -0.0 },
        Reading { "huge_negative_exponent", "7e-99999999999999999999", 0.0 },
        Reading { "zero_with_huge_exponent", "0e99999999999999999999", 0.0 },
        Reading { "long_fraction_huge_exponent", "0.000001e308", 1e302 },
        Reading { "digits_before_overflow", "0.0001e312", 1e308 },
        Reading { "smallest_subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324 }),
    [](const testing::TestParamInfo<Reading> &p) { return p.param.name; });

TEST(LenientReader, ManyDigitsOverflowToInfinity)
{
    EXPECT_EQ(readLenient(std::string(100000, '9')), kInf);
    EXPECT_EQ(readLenient("-" + std::string(400, '1')), -kInf);
    EXPECT_EQ(readLenient("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(LenientReader, LongTextsStopAtTheFirstForeignCharacter)
{
    const std::string text = "250" + std::string(1 << 20, 'x');
    EXPECT_EQ(readLenient(text), 250.0);
    EXPECT_EQ(takeNumeral(text), "250");
}

TEST(LenientReader, NumeralIsReadyForFromChars)
{
    EXPECT_EQ(takeNumeral(" + 1 2 . 5 e + 0 3 kW"), "12.5e03");
    EXPECT_EQ(takeNumeral("-7e"), "-7");
    EXPECT_EQ(takeNumeral("x1"), "");
}

TEST(LenientReader, IgnoresTheLocale)
{
    // A comma-decimal C locale must not change what a period means. The test run makes ru_RU
    // itself and names it in LOCPATH; elsewhere any installed one will do.
    const char *const locales[] = { "ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8" };
    const std::string before = std::setlocale(LC_ALL, nullptr);
    bool switched = false;
    for (const char *name : locales)
        switched = switched || std::setlocale(LC_ALL, name) != nullptr;
    EXPECT_EQ(readLenient("5.5"), 5.5);
    EXPECT_EQ(readLenient("5,5"), 5.0);
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_TRUE(switched || std::getenv("LOCPATH") == nullptr)
        << "the locale the test run made is not there";
    if (!switched)
        GTEST_SKIP() << "no comma-decimal locale is installed here";
}

struct Rounding
{
    double value;
    float single;
};

class SingleRounding : public testing::TestWithParam<Rounding>
{
};

TEST_P(SingleRounding, RoundsAsIeeeDoes)
{
    const Rounding &r = GetParam();
    const float got = toSingle(r.value);
    EXPECT_EQ(got, r.single);
    EXPECT_EQ(std::signbit(got), std::signbit(r.single));
}

TEST(ToSingle, KeepsNotANumber)
{
    EXPECT_TRUE(std::isnan(toSingle(std::numeric_limits<double>::quiet_NaN())));
}

constexpr float kMaxFloat = std::numeric_limits<float>::max();
constexpr float kInfFloat = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Reader, SingleRounding,
    testing::Values(Rounding { 2.3, 2.3f }, Rounding { 4.0000001, 4.0f },
                    Rounding { 18.500005, 18.500005f }, Rounding { 1e30, 1e30f },
                    Rounding { kMaxFloat, kMaxFloat }, Rounding { 0x1.fffffefp127, kMaxFloat },
                    Rounding { -0x1.fffffefp127, -kMaxFloat },
                    Rounding { 0x1.ffffffp127, kInfFloat },
                    Rounding { -0x1.ffffffp127, -kInfFloat }, Rounding { 1e300, kInfFloat },
                    Rounding { -1e300, -kInfFloat }, Rounding { kInf, kInfFloat },
                    Rounding { 1e-50, 0.0f }, Rounding { -1e-50, -0.0f }));

} // namespace
} // namespace selmak
