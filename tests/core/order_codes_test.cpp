// SPDX-License-Identifier: MIT
#include "core/code_form.h"
#include "core/order_codes.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace selmak {

void PrintTo(const Coil &c, std::ostream *os)
{
    *os << static_cast<int>(c.kind) << ' ' << c.volts << " V " << static_cast<int>(c.hz);
}

namespace {

using enum Column;

constexpr Source kSource { "s", "Maker", "Data sheet", "2024", "https://example.com/" };

// Made-up ranges with the traps of real ones: a frame whose name begins another's (X50, X50A;
// E17, E170), one set of characters meaning other things by range (S1, S2), other spellings of
// a frame (EC17, KK11-009), coils that are ranges, dual pairs and single frequencies.
constexpr std::array<TodayFrame, 10> kFrames { {
    { Telemecanique, "M", "X", FrameKind::Today, "X09", "4", 4, "9", 9, &kSource, 1 },
    { Telemecanique, "M", "X", FrameKind::Series, "X50", "22", 22, "50", 50, &kSource, 2 },
    { Telemecanique, "M", "X", FrameKind::Today, "X50A", "22", 22, "50", 50, &kSource, 2 },
    { Moeller, "M", "E", FrameKind::Today, "E17", "7.5", 7.5, "18", 18, &kSource, 3 },
    { Moeller, "M", "E", FrameKind::Today, "E170", "90", 90, "170", 170, &kSource, 4 },
    { Siemens, "M", "S2", FrameKind::Today, "S2026", "11", 11, "25", 25, &kSource, 5 },
    { Siemens, "M", "S1", FrameKind::Series, "S1026", "11", 11, "25", 25, &kSource, 6 },
    { Iek, "M", "K", FrameKind::Today, "К-10910", "", 0, "9", 9, &kSource, 7 },
    { Abb, "M", "W", FrameKind::Today, "W26", "11", 11, "26", 26, &kSource, 8 },
    { Lovato, "M", "B", FrameKind::Today, "B80", "45", 45, "80", 80, &kSource, 9 },
} };

constexpr std::array<CodeFormRow, 9> kForms { {
    { "X", "*", "{frame}{terminals}{coil}", "", "s", 1 },
    { "E", "E17", "{frame}-{aux}({coil})", "", "s", 2 },
    { "E", "E17", "EC17-{aux}({coil})", "spring", "s", 3 },
    { "E", "E170", "{frame}({coil})", "", "s", 4 },
    { "S2", "*", "{frame}-{terminals}{coil}{aux}{options}", "", "s", 5 },
    { "S1", "*", "{frame}-{terminals}{coil}{aux}{options}", "", "s", 6 },
    { "K", "К-10910", "KK11-009-{coil}-{aux}", "", "s", 7 },
    { "K", "К-10910", "К-1091{aux}", "", "s", 8 },
    { "W", "*", "{frame}-30-{aux}-{coil}", "", "s", 9 },
} };

constexpr std::array<CoilRow, 13> kCoils { {
    { "X", "*", "P7", "AC", "230", "50/60", "s", 1 },
    { "X", "X50A", "P5", "AC", "230", "50", "s", 2 },
    { "X", "*", "BD", "DC", "24", "", "s", 3 },
    { "E", "*", "230V50HZ,240V60HZ", "AC", "230/240", "50/60", "s", 4 },
    { "E", "*", "RAC240", "AC", "190-240", "50/60", "s", 5 },
    { "E", "*", "24V50HZ", "AC", "24", "50", "s", 6 },
    { "E", "*", "RDC24", "DC", "24-27", "", "s", 7 },
    { "S2", "*", "AP0", "AC", "230", "50/60", "s", 8 },
    { "S1", "*", "AP0", "AC", "230", "50", "s", 9 },
    { "K", "*", "230", "AC", "230", "50", "s", 10 },
    { "W", "*", "13", "AC/DC", "100-250", "50/60", "s", 11 },
    { "W", "*", "41", "AC", "24", "50/60", "s", 12 },
    { "W", "*", "42", "DC", "oops", "", "s", 13 }, // malformed: never used
} };

constexpr std::array<AuxiliaryRow, 11> kAux { {
    { "X", "*", "", "1", "1", "s", 1 },
    { "E", "E17", "10", "1", "0", "s", 2 },
    { "E", "E17", "01", "0", "1", "s", 3 },
    { "E", "E170", "", "0", "0", "s", 4 },
    { "S2", "*", "0", "1", "1", "s", 5 },
    { "S1", "*", "0", "0", "0", "s", 6 },
    { "K", "*", "10", "1", "0", "s", 7 },
    { "K", "*", "0", "1", "0", "s", 8 },
    { "K", "*", "1", "0", "1", "s", 9 },
    { "W", "*", "00", "0", "0", "s", 10 },
    { "W", "*", "11", "1", "1", "s", 11 },
} };

constexpr std::array<TerminalRow, 5> kTerminals { {
    { "X", "*", "", "screw", "s", 1 },
    { "X", "*", "6", "ring", "s", 2 },
    { "X", "*", "3", "spring", "s", 3 },
    { "S2", "*", "1", "screw", "s", 4 },
    { "S1", "*", "1", "screw", "s", 5 },
} };

const OrderCodes &fixture()
{
    static const OrderCodes codes(OrderTables { kFrames, kForms, kCoils, kAux, kTerminals });
    return codes;
}

std::optional<Coil> coil(std::string_view kind, std::string_view volts, std::string_view hz)
{
    return readCoil({ "", "", "", kind, volts, hz, "", 0 });
}

const auto kAc230 = coil("AC", "230", "50/60");
const auto kAc230At50 = coil("AC", "230", "50");
const auto kDual = coil("AC", "230/240", "50/60");
constexpr auto kUnknown = std::nullopt;

struct Reading
{
    const char *name;
    std::string_view code;
    std::string_view frame; // empty: none
    std::optional<Coil> coil;
    std::optional<Contacts> aux;
    std::optional<Terminals> terminals;
    bool whole;
};

class Decoding : public testing::TestWithParam<Reading>
{
};

TEST_P(Decoding, ReadsWhatTheRulesSay)
{
    const Reading &r = GetParam();
    const Order order = fixture().decode(r.code);
    EXPECT_EQ(order.frame != nullptr ? order.frame->model : "", r.frame);
    EXPECT_EQ(order.coil, r.coil);
    EXPECT_EQ(order.aux, r.aux);
    EXPECT_EQ(order.terminals, r.terminals);
    EXPECT_EQ(order.whole, r.whole);
}

constexpr Contacts kNoNc { 1, 1 };
constexpr Contacts kNo { 1, 0 };
constexpr Contacts kNc { 0, 1 };
constexpr Contacts kNone { 0, 0 };
constexpr auto kScrew = Terminals::Screw;

INSTANTIATE_TEST_SUITE_P(
    Rules, Decoding,
    testing::Values(
        Reading { "frame_then_coil", "X09P7", "X09", kAc230, kNoNc, kScrew, true },
        Reading { "letter_of_the_frame_before_the_coil", "X50AP5", "X50A", kAc230At50, kNoNc,
                  kScrew, true },
        Reading { "coil_scoped_to_another_frame", "X09P5", "X09", kUnknown, kUnknown, kUnknown,
                  false },
        Reading { "terminals_between", "x09 6 p7", "X09", kAc230, kNoNc, Terminals::Ring, true },
        Reading { "dc", "X09BD", "X09", coil("DC", "24", ""), kNoNc, kScrew, true },
        Reading { "unknown_coil_keeps_the_frame", "X09Q7", "X09", kUnknown, kUnknown, kUnknown,
                  false },
        Reading { "frame_alone", "X09", "X09", kUnknown, kNoNc, kScrew, false },
        Reading { "empty_code_before_what_no_rule_explains", "X098P7", "X09", kUnknown, kUnknown,
                  kUnknown, false },
        Reading { "bracket_with_blanks", "E17-10 (230V 50HZ, 240V 60HZ)", "E17", kDual, kNo,
                  kUnknown, true },
        Reading { "range_coil_without_separators", "E1701RAC240", "E17",
                  coil("AC", "190-240", "50/60"), kNc, kUnknown, true },
        Reading { "longer_frame_at_its_break", "E170(RDC24)", "E170", coil("DC", "24-27", ""),
                  kNone, kUnknown, true },
        Reading { "unread_part_where_the_default_would_be", "E170-22(RDC24)", "E170", kUnknown,
                  kUnknown, kUnknown, false },
        Reading { "unknown_coil_after_known_contacts", "E17-10(RXY)", "E17", kUnknown, kNo,
                  kUnknown, false },
        Reading { "other_spelling", "EC17-01(24V50HZ)", "E17", coil("AC", "24", "50"), kNc,
                  Terminals::Spring, true },
        Reading { "same_characters_this_generation", "S2026-1AP00", "S2026", kAc230, kNoNc, kScrew,
                  true },
        Reading { "same_characters_older_generation", "S1026-1AP00", "S1026", kAc230At50, kNone,
                  kScrew, true },
        Reading { "options_after_a_break", "S2026-1AP00-3MA0", "S2026", kAc230, kNoNc, kScrew,
                  true },
        Reading { "options_need_a_break", "S2026-1AP003MA0", "S2026", kAc230, kNoNc, kScrew,
                  false },
        Reading { "article_number", "KK11-009-230-10", "К-10910", kAc230At50, kNo, kUnknown, true },
        Reading { "unexplained_coil_stepped_over", "KK11-009-231-10", "К-10910", kUnknown, kNo,
                  kUnknown, false },
        Reading { "stepped_over_only_if_the_rest_reads_to_the_end", "S2026-1AQ00", "S2026",
                  kUnknown, kUnknown, kScrew, false },
        Reading { "name_with_the_contact_digit", "К-10911", "К-10910", kUnknown, kNc, kUnknown,
                  true },
        Reading { "latin_spelling_of_the_name", "K-10910", "К-10910", kUnknown, kNo, kUnknown,
                  true },
        Reading { "wide_coil", "W26-30-11-13", "W26", coil("AC/DC", "100-250", "50/60"), kNoNc,
                  kUnknown, true },
        Reading { "malformed_rule_unused", "W26-30-11-42", "W26", kUnknown, kNoNc, kUnknown,
                  false },
        Reading { "digits_as_written", "X9P7", "", kUnknown, kUnknown, kUnknown, false },
        Reading { "nothing_begins_it", "QX09P7", "", kUnknown, kUnknown, kUnknown, false },
        Reading { "empty", "", "", kUnknown, kUnknown, kUnknown, false }),
    [](const auto &row) { return std::string(row.param.name); });

struct Writing
{
    const char *name;
    std::string_view order; // a code read by the fixture's rules
    std::string_view frame; // the frame written for
    TodayCodeOutcome outcome;
    std::string_view code;
    Contacts missing;
};

class Encoding : public testing::TestWithParam<Writing>
{
};

TEST_P(Encoding, WritesTheClosestWholeCode)
{
    const Writing &w = GetParam();
    const TodayFrame *frame = nullptr;
    for (const TodayFrame &f : kFrames) {
        if (f.model == w.frame)
            frame = &f;
    }
    const TodayCode code = fixture().encode(frame, fixture().decode(w.order));
    EXPECT_EQ(code.outcome, w.outcome);
    EXPECT_EQ(code.frame, frame);
    EXPECT_EQ(code.code, w.code);
    EXPECT_EQ(code.missing, w.missing);
}

using enum TodayCodeOutcome;

INSTANTIATE_TEST_SUITE_P(
    Rules, Encoding,
    testing::Values(
        Writing { "same_maker", "X09P7", "X50A", Written, "X50AP7", {} },
        Writing { "range_coil_covers_and_nearest_contacts",
                  "X09P7",
                  "E17",
                  Written,
                  "E17-10(RAC240)",
                  { 0, 1 } },
        Writing { "closest_coil_same_frequency", "X50AP5", "X50A", Written, "X50AP5", {} },
        Writing { "fifty_hz_order_served_at_fifty_sixty", "X50AP5", "X09", Written, "X09P7", {} },
        Writing { "fifty_sixty_never_gets_fifty_only", "X09P7", "К-10910", NoCoilCovers, "", {} },
        Writing {
            "dual_pair_needs_both", "E17-10(230V50HZ,240V60HZ)", "X09", NoCoilCovers, "", {} },
        Writing { "wide_order_needs_a_wide_coil", "W26-30-11-13", "E17", NoCoilCovers, "", {} },
        Writing { "terminals_of_the_order", "X096P7", "X50A", Written, "X50A6P7", {} },
        Writing { "spring_form_for_spring_terminals",
                  "X093P7",
                  "E17",
                  Written,
                  "EC17-10(RAC240)",
                  { 0, 1 } },
        Writing { "dc_order", "X09BD", "E170", Written, "E170(RDC24)", { 1, 1 } },
        Writing { "ac_dc_coil_serves_ac", "E17-01(RAC240)", "W26", Written, "W26-30-11-13", {} },
        Writing { "literal_form_writes_the_article",
                  "X50AP5",
                  "К-10910",
                  Written,
                  "KK11-009-230-10",
                  { 0, 1 } },
        Writing { "older_generation_to_newer", "S1026-1AP00", "S2026", Written, "S2026-1AP00", {} },
        Writing { "coil_not_determined", "X09Q7", "X50A", CoilNotDetermined, "", {} },
        Writing { "rules_not_sourced", "X09P7", "B80", RulesNotSourced, "", {} },
        Writing { "no_model", "X09P7", "", NoModel, "", {} }),
    [](const auto &row) { return std::string(row.param.name); });

struct Form
{
    const char *name;
    std::string_view form;
    bool valid;
};

class ReadingAForm : public testing::TestWithParam<Form>
{
};

TEST_P(ReadingAForm, RefusesWhatCannotBeMatched)
{
    EXPECT_EQ(readForm(GetParam().form).has_value(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadingAForm,
    testing::Values(Form { "slots", "{frame}-{terminals}{coil}{aux}{options}", true },
                    Form { "literal_spelling", "KK11-009-{coil}-{aux}", true },
                    Form { "frame_alone", "{frame}", true }, Form { "empty", "", false },
                    Form { "unknown_slot", "{frame}{voltage}", false },
                    Form { "slot_twice", "{frame}{coil}{coil}", false },
                    Form { "options_not_last", "{frame}{options}{coil}", false },
                    Form { "text_after_options", "{frame}{options}-Z", false },
                    Form { "no_text_of_its_own_first", "{coil}{frame}", false },
                    Form { "not_closed", "{frame}{coil", false },
                    Form { "not_opened", "{frame}coil}", false }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak
