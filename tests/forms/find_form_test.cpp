// SPDX-License-Identifier: MIT
#include "core/catalog.h"
#include "forms/find_form.h"
#include "forms/main_form.h"
#include "recording_find_view.h"
#include "recording_main_view.h"

#include <gtest/gtest.h>

namespace selmak::forms {
namespace {

using namespace std::string_literals;

// The find window over a loaded main window.
struct Finding
{
    Finding()
    {
        main.Form_Load();
        mainView.log.clear();
        find.Form_Load();
    }

    void type(std::string text)
    {
        findView.text = std::move(text);
        find.txtModel_Change();
    }

    test::RecordingMainView mainView;
    MainForm main { mainView };
    test::RecordingFindView findView;
    FindForm find { findView, main };
};

struct Query
{
    const char *name;
    std::string text;
    std::size_t count;
    const char *first; // the first line, when there is one
    const char *last;
    const char *status;
};

class Searching : public testing::TestWithParam<Query>
{
};

// Every edit searches: the list holds a line per hit, the first selected, and the status says
// what the list is.
TEST_P(Searching, ListsTheHitsAndSaysWhatTheyAre)
{
    const Query &q = GetParam();
    Finding f;
    f.type("LC1D25"); // something else on show first: each edit replaces it
    f.type(q.text);
    ASSERT_EQ(f.findView.lines.size(), q.count);
    EXPECT_EQ(f.findView.selected, q.count > 0 ? 0 : -1);
    if (q.count > 0) {
        EXPECT_EQ(f.findView.lines.front(), q.first);
        EXPECT_EQ(f.findView.lines.back(), q.last);
    }
    EXPECT_EQ(f.findView.status, q.status);
    EXPECT_EQ(f.main.RowIndex(), 1) << "a search shows nothing in the main window";
}

constexpr const char *kStep3 = "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А";
constexpr const char *kStep4 = "Telemecanique  LC1D18  —  ступень 4: 11 кВт, 21.7 А";
// A code read as a whole order code: its frame's lines say the coil and contacts read.
constexpr const char *kStep3M7
    = "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А; катушка ~220 В 50/60 Гц, 1НО+1НЗ";
constexpr const char *kStep4M7
    = "Telemecanique  LC1D18  —  ступень 4: 11 кВт, 21.7 А; катушка ~220 В 50/60 Гц, 1НО+1НЗ";
// What no rule explains after the frame leaves the coil unknown.
constexpr const char *kStep3Unread
    = "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А; катушка не определена";
constexpr const char *kStep4Unread
    = "Telemecanique  LC1D18  —  ступень 4: 11 кВт, 21.7 А; катушка не определена";
constexpr const char *kNoModel = "В каталоге нет модели, с которой начинается это обозначение";
constexpr const char *kNoSymbols = "В обозначении нет ни букв, ни цифр";
constexpr const char *kToday4
    = "Siemens  3RT2026 (SIRIUS 3RT2, сегодня)  —  ступень 4: 11 кВт, 25 А";
constexpr const char *kToday5
    = "Siemens  3RT2026 (SIRIUS 3RT2, сегодня)  —  ступень 5: 11 кВт, 25 А";
constexpr const char *kSeries4 = "Siemens  3RT1026 (SIRIUS 3RT1, серия каталога)  —  ступень 4: 11 "
                                 "кВт, 25 А; катушка ~230 В 50 Гц, без блок-контактов";
constexpr const char *kSeries5 = "Siemens  3RT1026 (SIRIUS 3RT1, серия каталога)  —  ступень 5: 11 "
                                 "кВт, 25 А; катушка ~230 В 50 Гц, без блок-контактов";
constexpr const char *kBelowToday
    = "Siemens  3RT2015 (SIRIUS 3RT2, сегодня)  —  3 кВт, 7 А: меньше наименьшей ступени; катушка "
      "~220 В 50 Гц / 240 В 60 Гц, 1НО";
constexpr const char *kNoPower
    = "IEK  КМИ-10910 (КМИ, сегодня)  —  9 А, мощность при 400 В не указана";
constexpr const char *kUnrated = "ABB  AF38 (AF, сегодня)  —  номинал не подтверждён; катушка "
                                 "~/=48–130 В, без блок-контактов";
constexpr const char *kBelowSeries
    = "Siemens  3RT1015 (SIRIUS 3RT1, серия каталога)  —  3 кВт, 7 А: меньше наименьшей ступени";

INSTANTIATE_TEST_SUITE_P(
    FindForm, Searching,
    testing::Values(
        Query { "empty", "", 0, "", "", "" },
        Query { "model_in_two_steps", "LC1D18", 2, kStep3, kStep4, "Найдено моделей: 2" },
        Query { "suffix_and_case", "lc1d18m7", 2, kStep3M7, kStep4M7, "Найдено моделей: 2" },
        Query { "second_model_of_a_cell", "CI16", 1, "Danfoss  CI16  —  ступень 3: 7.5 кВт, 15.2 А",
                "Danfoss  CI16  —  ступень 3: 7.5 кВт, 15.2 А", "Найдено моделей: 1" },
        Query { "rows_4_and_5_both_11_kW", "LS27", 2, "AEG  LS27  —  ступень 4: 11 кВт, 21.7 А",
                "AEG  LS27  —  ступень 5: 11 кВт, 21.7 А", "Найдено моделей: 2" },
        Query { "cyrillic", "кми-11811", 1, "ИЭК  КМИ-11811  —  ступень 1: 4 кВт, 8.5 А",
                "ИЭК  КМИ-11811  —  ступень 1: 4 кВт, 8.5 А", "Найдено моделей: 1" },
        Query { "beginning_only", "LC1D1", 3,
                "Telemecanique  LC1D12  —  ступень 2: 5.5 кВт, 11.3 А", kStep4,
                "Это только начало обозначения; подходят модели: 3" },
        Query { "one_letter_lists_what_it_begins", "L", 55, "AEG  LS4  —  ступень 1: 4 кВт, 8.5 А",
                "Telemecanique  LC1F630  —  ступень 19: 250 кВт, 437 А",
                "Это только начало обозначения; подходят модели: 55" },
        Query { "frame_of_today", "3RT2026", 2, kToday4, kToday5, "Найдено моделей: 2" },
        Query { "frame_of_the_series", "3rt1026-1ap00", 2, kSeries4, kSeries5,
                "Найдено моделей: 2" },
        Query { "frame_below_the_smallest_step", "3RT2015-1AP61", 1, kBelowToday, kBelowToday,
                "Найдено моделей: 1" },
        Query { "series_frame_below_the_smallest_step", "3RT1015", 1, kBelowSeries, kBelowSeries,
                "Найдено моделей: 1" },
        // IEK publishes only the current of its КМИ frames.
        Query { "frame_with_no_power", "КМИ-10910", 1, kNoPower, kNoPower, "Найдено моделей: 1" },
        Query { "frame_without_a_rating", "AF38Z-30-00K-22", 1, kUnrated, kUnrated,
                "Найдено моделей: 1" },
        Query { "unknown", "XYZ-1", 0, "", "", kNoModel },
        Query { "only_separators", " -/. \t", 0, "", "", kNoSymbols },
        Query { "control_characters_around", "\tLC1D18\r\n", 2, kStep3, kStep4,
                "Найдено моделей: 2" },
        Query { "nul_after", "LC1D18\0"s, 2, kStep3Unread, kStep4Unread, "Найдено моделей: 2" },
        Query { "nul_alone", "\0"s, 0, "", "", kNoModel },
        Query { "invalid_utf8_before", "\xff\xfeLC1D18", 0, "", "", kNoModel },
        Query { "mebibyte_after_a_model", "LC1D18" + std::string(1 << 20, 'x'), 2, kStep3Unread,
                kStep4Unread, "Найдено моделей: 2" },
        Query { "mebibyte_of_blanks", std::string(1 << 20, ' '), 0, "", "", kNoSymbols }),
    [](const testing::TestParamInfo<Query> &p) { return p.param.name; });

struct Show
{
    const char *name;
    const char *text;
    int pick; // the line selected before showing, or -1 to leave the first
    bool doubleClick;
    int row; // the step on show afterwards; the main window starts on step 10
};

class Showing : public testing::TestWithParam<Show>
{
};

// "Показать", Enter and a double-click show the selected hit's step as the step buttons would:
// the boxes, the mode, the values read and the step buttons stay, and the find window stays open.
TEST_P(Showing, ShowsTheSelectedHitsStepInTheMainWindow)
{
    const Show &s = GetParam();
    Finding f;
    f.mainView.texts = { "22", "" };
    f.main.cmbChoose_Click(); // 22 kW: step 8
    f.main.far_Click();
    f.main.far_Click();
    f.mainView.log.clear();
    f.type(s.text);
    if (s.pick >= 0)
        f.findView.selected = s.pick;
    if (s.doubleClick)
        f.find.lstHits_DblClick();
    else
        f.find.cmdShow_Click();
    EXPECT_EQ(f.main.RowIndex(), s.row);
    EXPECT_TRUE(f.mainView.showsRow(s.row));
    EXPECT_EQ(f.mainView.log,
              s.row == 10 ? std::vector<std::string> {} : std::vector<std::string> { "labels" });
    EXPECT_EQ(f.main.PowerValue(), 22.0f);
    EXPECT_EQ(f.mainView.enabled, (std::array { true, false })); // power mode, as loaded
    EXPECT_FALSE(f.findView.closed);
    // The step buttons go on from the step shown.
    f.main.far_Click();
    EXPECT_EQ(f.main.RowIndex(), std::min(s.row + 1, Catalog::kLastStep));
}

INSTANTIATE_TEST_SUITE_P(
    FindForm, Showing,
    testing::Values(Show { "first_hit", "LS27", -1, false, 4 },
                    Show { "row_4", "LS27", 0, false, 4 }, Show { "row_5", "LS27", 1, false, 5 },
                    Show { "double_click_row_5", "LS27", 1, true, 5 },
                    Show { "candidate", "LC1D1", 0, false, 2 },
                    Show { "last_step", "LC1F630", -1, true, 19 },
                    Show { "frame_of_today_row_5", "3RT2026", 1, false, 5 },
                    Show { "frame_below_shows_nothing", "3RT2015", -1, false, 10 },
                    Show { "double_click_below_shows_nothing", "3RT1015", 0, true, 10 },
                    Show { "no_power_shows_nothing", "КМИ-10910", -1, false, 10 },
                    Show { "empty_list_shows_nothing", "", -1, false, 10 },
                    Show { "unknown_shows_nothing", "XYZ", -1, true, 10 }),
    [](const testing::TestParamInfo<Show> &p) { return p.param.name; });

struct Today
{
    const char *name;
    const char *text;
    int pick; // the line the person selects afterwards, or -1 to leave the first
    bool whole; // `said` is all the line of today's models says, not only a part of it
    const char *said;
};

class ShowingToday : public testing::TestWithParam<Today>
{
};

// Under the hits, each maker's model of today for the selected hit's step, in the catalogue's
// column order; it follows the selection.
TEST_P(ShowingToday, FollowsTheSelectedHit)
{
    const Today &t = GetParam();
    Finding f;
    f.type("LC1D25"); // step 4's models on show first: each search replaces them
    f.type(t.text);
    if (t.pick >= 0) {
        f.findView.selected = t.pick;
        f.find.lstHits_Click();
    }
    if (t.whole)
        EXPECT_EQ(f.findView.today, t.said);
    else
        EXPECT_NE(f.findView.today.find(t.said), std::string::npos) << f.findView.today;
}

INSTANTIATE_TEST_SUITE_P(
    FindForm, ShowingToday,
    testing::Values(
        Today { "first_hit_step_3", "LC1D18", -1, false, "Siemens 3RT2018, Eaton DILM15" },
        Today { "second_hit_step_4", "LC1D18", 1, false, "Siemens 3RT2026, Eaton DILM25" },
        Today { "back_to_the_first", "LC1D18", 0, false, "Siemens 3RT2018, Eaton DILM15" },
        Today { "largest_step", "LC1F630", -1, false, "Schneider Electric LC1F" },
        Today { "discontinued_marked", "LC1F185", -1, false,
                "Schneider Electric LC1F185 (снят с производства)" },
        Today { "unrated_marked", "DILM50", -1, false, "Eaton DILM50 (номинал не подтверждён)" },
        // An order code: each maker's whole code for the same coil, with what must be added.
        Today { "whole_codes", "LC1D25P7", -1, false,
                "ABB AF26-30-00-13 + блок-контакт 1НО+1НЗ, Schneider Electric LC1D25P7, " },
        Today { "coil_not_read", "LC1D18XX", -1, false,
                "код катушки уточните у производителя: ABB AF16, Schneider Electric LC1D18, " },
        Today { "no_step", "3RT2015", -1, true, "у этой модели нет ступени каталога" },
        Today { "no_power", "КМИ-10910", -1, true, "у этой модели нет ступени каталога" },
        Today { "empty_list", "", -1, true, "" }, Today { "unknown", "XYZ", -1, true, "" }),
    [](const testing::TestParamInfo<Today> &p) { return p.param.name; });

TEST(FindForm, LoadsEmptyAndCloses)
{
    Finding f;
    EXPECT_TRUE(f.findView.lines.empty());
    EXPECT_EQ(f.findView.status, "");
    EXPECT_EQ(f.findView.today, "");
    f.find.cmdClose_Click();
    EXPECT_TRUE(f.findView.closed);
}

} // namespace
} // namespace selmak::forms
