// SPDX-License-Identifier: MIT
#include "forms/order_line.h"

#include <gtest/gtest.h>

namespace selmak::forms {
namespace {

constexpr Source kSource { "s", "Maker", "Data sheet", "2024", "https://example.com/" };
constexpr TodayFrame kFrame {
    Column::Moeller, "M", "E", FrameKind::Today, "E25", "11", 11, "25", 25, &kSource, 1
};

std::optional<Coil> coil(std::string_view kind, std::string_view volts, std::string_view hz)
{
    return readCoil({ "", "", "", kind, volts, hz, "", 0 });
}

struct Spelling
{
    const char *name;
    std::optional<Coil> coil;
    std::optional<Contacts> aux;
    const char *said;
};

class SpellingAnOrder : public testing::TestWithParam<Spelling>
{
};

TEST_P(SpellingAnOrder, SaysTheCoilAndTheContactsInRussian)
{
    const Spelling &s = GetParam();
    EXPECT_EQ(orderLine({ &kFrame, s.coil, s.aux, Terminals::Screw, true }), s.said);
}

INSTANTIATE_TEST_SUITE_P(
    Wording, SpellingAnOrder,
    testing::Values(Spelling { "ac_with_contacts", coil("AC", "230", "50/60"), Contacts { 1, 1 },
                               "катушка ~230 В 50/60 Гц, 1НО+1НЗ" },
                    Spelling { "dc", coil("DC", "24", ""), std::nullopt, "катушка =24 В" },
                    Spelling { "ac_dc_range", coil("AC/DC", "100-250", "50/60"), std::nullopt,
                               "катушка ~/=100–250 В" },
                    Spelling { "not_determined", std::nullopt, std::nullopt,
                               "катушка не определена" },
                    Spelling { "fifty_hz_only", coil("AC", "24", "50"), Contacts { 0, 1 },
                               "катушка ~24 В 50 Гц, 1НЗ" },
                    Spelling { "dual_pair", coil("AC", "230/240", "50/60"), Contacts { 1, 0 },
                               "катушка ~230 В 50 Гц / 240 В 60 Гц, 1НО" },
                    Spelling { "decimal_range", coil("DC", "24-27.5", ""), Contacts { 0, 0 },
                               "катушка =24–27,5 В, без блок-контактов" },
                    Spelling { "ac_dc_at_one_frequency", coil("AC/DC", "48-130", "60"),
                               std::nullopt, "катушка ~/=48–130 В 60 Гц" }),
    [](const auto &row) { return std::string(row.param.name); });

struct Code
{
    const char *name;
    TodayCode code;
    const char *said;
};

class SpellingATodayCode : public testing::TestWithParam<Code>
{
};

TEST_P(SpellingATodayCode, SaysWhatMustBeAdded)
{
    EXPECT_EQ(todayCodeText(GetParam().code), GetParam().said);
}

using enum TodayCodeOutcome;

INSTANTIATE_TEST_SUITE_P(
    Wording, SpellingATodayCode,
    testing::Values(Code { "written",
                           { Written, &kFrame, "E25-10(RAC240)", {}, {}, { 0, 0 } },
                           "E25-10(RAC240)" },
                    Code { "contact_to_add",
                           { Written, &kFrame, "E25-10(RAC240)", {}, {}, { 0, 1 } },
                           "E25-10(RAC240) + блок-контакт 1НЗ" },
                    Code { "contacts_to_add",
                           { Written, &kFrame, "E25(RAC240)", {}, {}, { 2, 2 } },
                           "E25(RAC240) + блок-контакт 2НО+2НЗ" },
                    Code { "rules_not_sourced",
                           { RulesNotSourced, &kFrame, "", {}, {}, {} },
                           "E25: код катушки уточните у производителя" },
                    Code { "no_coil_covers",
                           { NoCoilCovers, &kFrame, "", {}, {}, {} },
                           "E25: код катушки уточните у производителя" },
                    Code { "no_model", { NoModel, nullptr, "", {}, {}, {} }, "---" }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak::forms
