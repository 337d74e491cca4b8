// SPDX-License-Identifier: MIT
#include "core/today_ranges.h"
#include "forms/order_line.h"

#include <gtest/gtest.h>

namespace selmak::forms {
namespace {

constexpr Source kSource { "s", "Maker", "Data sheet", "2024", "https://example.com/" };
constexpr TodayFrame kFrame {
    Column::Moeller, "M", "E", FrameKind::Today, "E25", "11", 11, "25", 25, &kSource, 1
};
constexpr TodayFrame kUnrated { Column::Moeller, "M", "E", FrameKind::Today, "E40", "", 0, "", 0,
                                &kSource,        2 };
constexpr TodayFrame kDiscontinued {
    Column::Moeller, "M", "F", FrameKind::Discontinued, "F115", "55", 55, "115", 115, &kSource, 3
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
                    Code { "unrated_marked",
                           { Written, &kUnrated, "E40(RAC240)", {}, {}, { 0, 1 } },
                           "E40(RAC240) (номинал не подтверждён) + блок-контакт 1НЗ" },
                    Code { "discontinued_marked",
                           { RulesNotSourced, &kDiscontinued, "", {}, {}, {} },
                           "F115 (снят с производства): код катушки уточните у производителя" },
                    Code { "no_model", { NoModel, nullptr, "", {}, {}, {} }, "---" }),
    [](const auto &row) { return std::string(row.param.name); });

// The table of translations, over data/: a real code read, and each maker's whole code of today
// at the step of its frame, for every maker with a model there.
struct Translation
{
    const char *name;
    std::string_view code;
    const char *order;
    const char *today; // the makers' codes in column order, separated by " | "
};

class Translating : public testing::TestWithParam<Translation>
{
};

TEST_P(Translating, WritesEachMakersWholeCodeOfToday)
{
    const Translation &t = GetParam();
    const Order order = decodeOrder(t.code);
    ASSERT_NE(order.frame, nullptr);
    EXPECT_EQ(orderLine(order), t.order);
    const int step = stepsOfPower(order.frame->power).front();
    std::string today;
    for (const ColumnInfo &info : kColumns) {
        const TodayCode code = todayCode(info.column, step, order);
        if (code.frame != nullptr)
            today.append(today.empty() ? "" : " | ").append(todayCodeText(code));
    }
    EXPECT_EQ(today, t.today);
}

INSTANTIATE_TEST_SUITE_P(
    Data, Translating,
    testing::Values(
        Translation { "tesys_deca_230_v", "LC1D25P7", "катушка ~230 В 50/60 Гц, 1НО+1НЗ",
                      "AF26-30-00-13 + блок-контакт 1НО+1НЗ | LC1D25P7 | BF25: код катушки "
                      "уточните у производителя | 3RT2026: код катушки уточните у производителя "
                      "| DILM25: код катушки уточните у производителя | 100-C23KF10 + "
                      "блок-контакт 1НЗ" },
        Translation { "sirius_3rt2_to_its_own_frame", "3RT2024-1AL20-8K",
                      "катушка ~230 В 50/60 Гц, 1НО+1НЗ",
                      "AF12-30-10-13 + блок-контакт 1НЗ | LC1D12P7 | BF12: код катушки уточните "
                      "у производителя | 3RT2024-1AL20 | DILM12: код катушки уточните у "
                      "производителя | 100-C12KF10 + блок-контакт 1НЗ" },
        Translation { "dual_rating_needs_both_voltages", "DILM32-01(230V50HZ,240V60HZ)",
                      "катушка ~230 В 50 Гц / 240 В 60 Гц, 1НЗ",
                      "AF30-30-00-13 + блок-контакт 1НЗ | LC1D32KUE | BF32: код катушки уточните "
                      "у производителя | 3RT2027: код катушки уточните у производителя | "
                      "DILM32-01(230V50HZ,240V60HZ) | 100-C30: код катушки уточните у "
                      "производителя" },
        Translation { "fifty_hz_coil_without_contacts", "3RT1026-1AP00",
                      "катушка ~230 В 50 Гц, без блок-контактов",
                      "AF26-30-00-13 | LC1D25P5 | BF25: код катушки уточните у производителя | "
                      "3RT2026: код катушки уточните у производителя | DILM25: код катушки "
                      "уточните у производителя | 100-C23F10" }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak::forms
