// SPDX-License-Identifier: MIT
// The main window as a Win32 window: its controls at the table's places at the window's dpi, and
// each event through the real controls (WM_SETTEXT, BM_CLICK, clicks, keys).
#include "core/catalog.h"
#include "core/rating.h"
#include "forms/main_layout.h"
#include "running_app.h"
#include "ui/win32/text.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace selmak::win32::test {
namespace {

using forms::PixelRect;

PixelRect placeIn(HWND parent, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&r), 2);
    return { r.left, r.top, r.right - r.left, r.bottom - r.top };
}

int dpiOf(HWND window)
{
    return static_cast<int>(DpiApi::system().windowDpi(window));
}

TEST(MainWindow, RunsAtTheDpiOfThisRun)
{
    RunningApp a;
    // The test runs once at 96 dpi and once at 144; each run says which.
    const char *expected = std::getenv("SELMAK_WINE_DPI");
    EXPECT_EQ(dpiOf(a.main()), expected ? std::atoi(expected) : dpiOf(a.main()));
}

TEST(MainWindow, EveryControlStandsAtItsPlaceAndTheClientAreaAtItsSize)
{
    RunningApp a;
    const int dpi = dpiOf(a.main());
    const forms::WindowLayout &layout = forms::mainLayout();
    RECT client;
    GetClientRect(a.main(), &client);
    const PixelRect area = forms::toPixels(layout.clientArea, dpi);
    EXPECT_EQ(client.right, area.width);
    EXPECT_EQ(client.bottom, area.height);
    for (const forms::ControlRow &row : layout.controls)
        EXPECT_EQ(placeIn(a.main(), a.control(row.name)), forms::toPixels(row.twips, dpi))
            << row.name;
}

TEST(MainWindow, HasAFixedFrameWithACloseBoxOnly)
{
    RunningApp a;
    const LONG style = GetWindowLongW(a.main(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(a.text(a.main()), "Подбор контакторов");
}

// The face the font mapper actually chose for a control: the one named, or a stand-in with its
// metrics where the system lacks it, never whatever the mapper falls back to.
std::wstring chosenFace(HWND control)
{
    const HDC dc = GetDC(control);
    const HGDIOBJ old
        = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return face;
}

struct FaceCase
{
    const char *control;
    std::vector<std::wstring> acceptable;
    int pixelsAt96;
};

TEST(MainWindow, DrawsEachFontInItsFaceOrOneWithTheSameMetricsAtItsSize)
{
    RunningApp a;
    const int dpi = dpiOf(a.main());
    const FaceCase cases[] = {
        { "ID", { L"Times New Roman", L"Liberation Serif", L"Tinos" }, 19 },
        { "markDanfoss", { L"MS Sans Serif", L"Liberation Sans", L"Arimo" }, 13 },
        { "txtPower", { L"Tahoma", L"DejaVu Sans", L"Liberation Sans" }, 11 },
        { "optPower", { L"Arial", L"Liberation Sans", L"Arimo" }, 11 },
    };
    for (const FaceCase &c : cases) {
        const std::wstring face = chosenFace(a.control(c.control));
        LOGFONTW font {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(a.control(c.control), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_NE(std::find(c.acceptable.begin(), c.acceptable.end(), face), c.acceptable.end())
            << c.control << " asks for " << narrow(font.lfFaceName) << " and is drawn in "
            << narrow(face);
        EXPECT_EQ(-font.lfHeight, MulDiv(c.pixelsAt96, dpi, 96)) << c.control;
    }
}

// Moved to a monitor of another dpi, the window lays itself out again at that dpi, fonts too.
TEST(MainWindow, LaysItselfOutAgainWhenItsDpiChanges)
{
    RunningApp a;
    const int dpi = dpiOf(a.main()) == 96 ? 144 : 96;
    RECT suggested;
    GetWindowRect(a.main(), &suggested);
    SendMessageW(a.main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    for (const forms::ControlRow &row : forms::mainLayout().controls)
        EXPECT_EQ(placeIn(a.main(), a.control(row.name)), forms::toPixels(row.twips, dpi))
            << row.name;
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(a.control("ID"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(-font.lfHeight, MulDiv(19, dpi, 96));
}

struct SelectionCase
{
    const char *name;
    bool currentMode;
    const char *typed;
    int row; // the step shown afterwards
    std::size_t warnings;
};

class Selecting : public testing::TestWithParam<SelectionCase>
{
};

// One table for both modes: the labels after a selection, and the warnings it raised.
TEST_P(Selecting, FillsTheLabelsOfTheStepThenWarns)
{
    const SelectionCase &c = GetParam();
    RunningApp a;
    if (c.currentMode)
        a.press("optCurrent");
    a.type(c.currentMode ? "txtCurrent" : "txtPower", c.typed);
    a.press("cmbChoose");
    for (const ColumnInfo &column : kColumns)
        EXPECT_EQ(a.text(column.resultLabel), *Catalog::cell(column.column, c.row))
            << column.resultLabel;
    ASSERT_EQ(a.warnings.size(), c.warnings);
    const Rating &rating = c.currentMode ? kCurrentRating : kPowerRating;
    for (const std::wstring &warning : a.warnings)
        EXPECT_EQ(narrow(warning), rating.warning);
}

INSTANTIATE_TEST_SUITE_P(
    BothModes, Selecting,
    testing::Values(SelectionCase { "power", false, "7.5", 3, 0 },
                    SelectionCase { "power_in_kW_text", false, " 7.5кВт", 3, 0 },
                    SelectionCase { "power_empty", false, "", 1, 1 },
                    SelectionCase { "power_above_range", false, "300", 1, 1 },
                    SelectionCase { "power_top", false, "250", 19, 0 },
                    SelectionCase { "current", true, "15.5", 3, 0 },
                    SelectionCase { "current_below_range", true, "6", 1, 1 },
                    SelectionCase { "current_top", true, "500", 19, 0 }),
    [](const testing::TestParamInfo<SelectionCase> &row) { return std::string(row.param.name); });

TEST(MainWindow, OptionsSwitchWhichBoxTakesInput)
{
    RunningApp a;
    EXPECT_TRUE(IsWindowEnabled(a.control("txtPower")));
    EXPECT_FALSE(IsWindowEnabled(a.control("txtCurrent")));
    a.press("optCurrent");
    EXPECT_FALSE(IsWindowEnabled(a.control("txtPower")));
    EXPECT_TRUE(IsWindowEnabled(a.control("txtCurrent")));
    EXPECT_EQ(SendMessageW(a.control("optPower"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    a.press("optPower");
    EXPECT_TRUE(IsWindowEnabled(a.control("txtPower")));
    EXPECT_FALSE(IsWindowEnabled(a.control("txtCurrent")));
    EXPECT_EQ(SendMessageW(a.control("optCurrent"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// The hot spot answers a click anywhere on it and nowhere else, and the steps then move the step.
TEST(MainWindow, HotSpotShowsTheStepButtonsOnlyWhenClickedInside)
{
    const forms::PixelRect spot = [] {
        RunningApp a;
        return placeIn(a.main(), a.control("Hide"));
    }();
    const int right = spot.left + spot.width - 1;
    const int bottom = spot.top + spot.height - 1;
    const struct
    {
        POINT at;
        bool shows;
    } cases[] = {
        { { spot.left, spot.top }, true },      { { right, bottom }, true },
        { { spot.left - 1, spot.top }, false }, { { right + 1, bottom }, false },
        { { spot.left, spot.top - 1 }, false }, { { right, bottom + 1 }, false },
    };
    for (const auto &c : cases) {
        RunningApp a;
        a.clickAt(c.at);
        EXPECT_EQ(IsWindowVisible(a.control("back")) != FALSE, c.shows) << c.at.x << "," << c.at.y;
        EXPECT_EQ(IsWindowVisible(a.control("far")) != FALSE, c.shows) << c.at.x << "," << c.at.y;
    }
}

TEST(MainWindow, StepButtonsMoveOneStepAndStopAtTheEnds)
{
    RunningApp a;
    const forms::PixelRect spot = placeIn(a.main(), a.control("Hide"));
    a.clickAt({ spot.left + 1, spot.top + 1 });
    const auto shown = [&a] { return a.text("lblPower"); };
    a.press("back");
    EXPECT_EQ(shown(), *Catalog::cell(Column::Power, 1));
    a.press("far");
    a.press("far");
    EXPECT_EQ(shown(), *Catalog::cell(Column::Power, 3));
    a.press("back");
    EXPECT_EQ(shown(), *Catalog::cell(Column::Power, 2));
}

// The names the Tab key visits from the first tab stop round to it again.
std::vector<std::string> tabbing(RunningApp &a)
{
    std::vector<std::string> names;
    const HWND first = GetNextDlgTabItem(a.main(), nullptr, FALSE);
    HWND at = first;
    do {
        for (const forms::ControlRow &row : forms::mainLayout().controls) {
            if (a.control(row.name) == at)
                names.emplace_back(row.name);
        }
        at = GetNextDlgTabItem(a.main(), at, FALSE);
    } while (at && at != first && names.size() < forms::mainLayout().controls.size());
    return names;
}

TEST(MainWindow, TabGoesThroughTheEnabledControlsInTheirOrder)
{
    using Names = std::vector<std::string>;
    RunningApp a;
    EXPECT_EQ(tabbing(a), (Names { "exit", "txtPower", "cmbAbout", "cmbChoose", "optPower" }));
    EXPECT_EQ(GetFocus(), a.control("exit"));
    a.press("optCurrent");
    const forms::PixelRect spot = placeIn(a.main(), a.control("Hide"));
    a.clickAt({ spot.left, spot.top });
    EXPECT_EQ(
        tabbing(a),
        (Names { "back", "far", "exit", "txtCurrent", "cmbAbout", "cmbChoose", "optCurrent" }));
}

TEST(MainWindow, EnterPressesTheFocusedButtonAndNothingInATextBox)
{
    RunningApp a;
    SetFocus(a.control("txtPower"));
    a.key(a.control("txtPower"), VK_RETURN);
    EXPECT_TRUE(a.warnings.empty());
    SetFocus(a.control("cmbChoose"));
    a.key(a.control("cmbChoose"), VK_RETURN);
    EXPECT_EQ(a.warnings.size(), 1u); // the empty box reads as 0 kW
}

TEST(MainWindow, ExitEndsTheRunWithStatusZeroAndClosesAbout)
{
    RunningApp a;
    a.press("cmbAbout");
    a.press("exit");
    EXPECT_EQ(a.app.aboutWindow(), nullptr);
    EXPECT_EQ(a.main(), nullptr);
    EXPECT_EQ(a.pump(), 0);
}

TEST(MainWindow, CloseBoxLeavesAboutOpenAndTheRunEndsWithIt)
{
    RunningApp a;
    a.press("cmbAbout");
    SendMessageW(a.main(), WM_CLOSE, 0, 0);
    ASSERT_NE(a.app.aboutWindow(), nullptr);
    EXPECT_EQ(a.pump(), std::nullopt);
    SendMessageW(a.app.aboutWindow()->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(a.pump(), 0);
}

} // namespace
} // namespace selmak::win32::test
