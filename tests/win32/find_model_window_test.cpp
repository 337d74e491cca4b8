// SPDX-License-Identifier: MIT
// The find window as a Win32 window: how it opens (shortcut keys through the message loop, the
// system menu, the context menu), its controls at the table's places at the window's dpi, and the
// search, the choice and the closing through the real EDIT, LISTBOX and buttons.
#include "core/catalog.h"
#include "forms/find_layout.h"
#include "forms/today_line.h"
#include "running_app.h"
#include "ui/win32/text.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace selmak::win32::test {
namespace {

using forms::PixelRect;

struct Finding : RunningApp
{
    HWND find() { return app.findWindow() ? app.findWindow()->handle() : nullptr; }
    HWND findControl(std::string_view name)
    {
        return app.findWindow() ? controlNamed(*app.findWindow(), name) : nullptr;
    }
    void open() { keyThroughLoop(control("exit"), 'F', true); }
    // As a paste over the whole text: the box takes no more than its limit.
    void search(const std::wstring &text)
    {
        const HWND box = findControl("txtModel");
        SendMessageW(box, EM_SETSEL, 0, -1);
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::vector<std::string> hits()
    {
        const HWND list = findControl("lstHits");
        std::vector<std::string> lines;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
            std::wstring line(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)),
                              L'\0');
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
            lines.push_back(narrow(line));
        }
        return lines;
    }
    int selected()
    {
        return static_cast<int>(SendMessageW(findControl("lstHits"), LB_GETCURSEL, 0, 0));
    }
};

struct Opening
{
    const char *name;
    void (*open)(Finding &);
};

class Opens : public testing::TestWithParam<Opening>
{
};

// Owned by the main window, titled, its box focused, and one at a time: a second request brings
// the open one forward with what it holds.
TEST_P(Opens, OwnedByTheMainWindowWithTheBoxFocusedAndOneAtATime)
{
    Finding a;
    GetParam().open(a);
    const HWND find = a.find();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(IsWindowVisible(find));
    EXPECT_EQ(GetWindow(find, GW_OWNER), a.main());
    EXPECT_EQ(a.text(find), "Поиск по модели");
    EXPECT_EQ(GetFocus(), a.findControl("txtModel"));
    a.search(L"K65");
    SetForegroundWindow(a.main());
    GetParam().open(a);
    EXPECT_EQ(a.find(), find);
    EXPECT_EQ(a.text(a.findControl("txtModel")), "K65");
    EXPECT_EQ(a.pump(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    FindModelWindow, Opens,
    testing::Values(Opening { "ctrl_f_on_a_button",
                              [](Finding &a) { a.keyThroughLoop(a.control("exit"), 'F', true); } },
                    Opening { "f3_in_a_box",
                              [](Finding &a) { a.keyThroughLoop(a.control("txtPower"), VK_F3); } },
                    Opening { "system_menu",
                              [](Finding &a) {
                                  SendMessageW(a.main(), WM_SYSCOMMAND, MainWindow::kFindCommand,
                                               0);
                              } },
                    // The menu's own loop reads the keys queued for it: the first item, then Enter.
                    Opening { "context_menu",
                              [](Finding &a) {
                                  PostMessageW(a.main(), WM_KEYDOWN, VK_DOWN, 1);
                                  PostMessageW(a.main(), WM_KEYDOWN, VK_RETURN, 1);
                                  SendMessageW(a.control("lblMoeller"), WM_CONTEXTMENU,
                                               reinterpret_cast<WPARAM>(a.main()),
                                               MAKELPARAM(-1, -1));
                                  a.pump(); // the menu posts its command
                              } }),
    [](const testing::TestParamInfo<Opening> &p) { return std::string(p.param.name); });

std::string menuText(HMENU menu, UINT command)
{
    wchar_t text[128] {};
    GetMenuStringW(menu, command, text, static_cast<int>(std::size(text)), MF_BYCOMMAND);
    return narrow(text);
}

TEST(FindModelWindow, TheMenusNameTheCommandWithItsShortcutAndTheContextMenuOpensAbout)
{
    Finding a;
    EXPECT_EQ(menuText(GetSystemMenu(a.main(), FALSE), MainWindow::kFindCommand),
              "Поиск по модели...\tCtrl+F");
    PostMessageW(a.main(), WM_KEYDOWN, VK_UP, 1); // from the top round to the last item
    PostMessageW(a.main(), WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(a.main(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(a.main()), MAKELPARAM(20, 20));
    a.pump();
    EXPECT_NE(a.app.aboutWindow(), nullptr);
    EXPECT_EQ(a.find(), nullptr);
}

TEST(FindModelWindow, EveryControlStandsAtItsPlaceAtTheWindowsDpi)
{
    Finding a;
    a.open();
    const int dpi = static_cast<int>(a.app.findWindow()->dpi());
    RECT client;
    GetClientRect(a.find(), &client);
    const PixelRect area = forms::toPixels(forms::findLayout().clientArea, dpi);
    EXPECT_EQ(client.right, area.width);
    EXPECT_EQ(client.bottom, area.height);
    for (const forms::ControlRow &row : forms::findLayout().controls) {
        RECT r;
        GetWindowRect(a.findControl(row.name), &r);
        MapWindowPoints(nullptr, a.find(), reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ((PixelRect { r.left, r.top, r.right - r.left, r.bottom - r.top }),
                  forms::toPixels(row.twips, dpi))
            << row.name;
    }
    // Beside the main window, tops level; where the screen has no room beside it (at 144 dpi on
    // the tests' screen of 1600 pixels), against the screen's right edge, over the main window.
    RECT main;
    RECT find;
    GetWindowRect(a.main(), &main);
    GetWindowRect(a.find(), &find);
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(a.main(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_EQ(find.left, std::min(main.right, monitor.rcWork.right - (find.right - find.left)));
    EXPECT_LE(find.right, monitor.rcWork.right);
    EXPECT_EQ(find.top, main.top);
}

struct Search
{
    const char *name;
    std::wstring text;
    std::size_t count;
    const char *first;
    const char *status;
};

class Searching : public testing::TestWithParam<Search>
{
};

// Each edit lists the hits at once, the first selected; a long list scrolls.
TEST_P(Searching, ListsTheHitsAsTheBoxChanges)
{
    const Search &s = GetParam();
    Finding a;
    a.open();
    a.search(L"LC1D25");
    a.search(s.text);
    EXPECT_EQ(GetWindowTextLengthW(a.findControl("txtModel")),
              static_cast<int>(std::min<std::size_t>(s.text.size(), 256)));
    const std::vector<std::string> hits = a.hits();
    ASSERT_EQ(hits.size(), s.count);
    if (s.count > 0) {
        EXPECT_EQ(hits.front(), s.first);
    }
    EXPECT_EQ(a.selected(), s.count > 0 ? 0 : -1);
    EXPECT_EQ(a.text(a.findControl("lblStatus")), s.status);
    const bool scrolls = GetWindowLongW(a.findControl("lstHits"), GWL_STYLE) & WS_VSCROLL;
    EXPECT_EQ(scrolls, s.count > 10);
    EXPECT_EQ(a.text("lblPower"), "4") << "a search shows nothing in the main window";
}

INSTANTIATE_TEST_SUITE_P(
    FindModelWindow, Searching,
    testing::Values(
        Search { "model", L"LC1D18", 2, "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А",
                 "Найдено моделей: 2" },
        Search { "empty", L"", 0, "", "" },
        Search { "one_letter", L"L", 55, "AEG  LS4  —  ступень 1: 4 кВт, 8.5 А",
                 "Это только начало обозначения; подходят модели: 55" },
        Search { "lone_surrogate", L"LC1D\xD800", 0, "",
                 "В каталоге нет модели, с которой начинается это обозначение" },
        Search { "control_characters", L"\tLC1D18\r\n", 2,
                 "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А", "Найдено моделей: 2" },
        Search { "only_separators", L" -/.", 0, "", "В обозначении нет ни букв, ни цифр" },
        // What follows the model is read as the rest of an order code that no rule explains.
        Search { "mebibyte_after_a_model", L"DILM9" + std::wstring(1 << 20, L'x'), 1,
                 "Moeller  DILM9  —  ступень 1: 4 кВт, 8.5 А; катушка не определена",
                 "Найдено моделей: 1" }),
    [](const testing::TestParamInfo<Search> &p) { return std::string(p.param.name); });

struct Choice
{
    const char *name;
    bool down; // the arrow key moves to the second hit first
    void (*show)(Finding &);
    const char *danfoss; // row 4 shows CI20, row 5 CI25: both are 11 kW
};

class Showing : public testing::TestWithParam<Choice>
{
};

// The chosen hit's step shows in the main window, whose boxes and hidden step buttons stay; the
// find window stays open.
TEST_P(Showing, ShowsTheChosenHitsStep)
{
    const Choice &c = GetParam();
    Finding a;
    a.type("txtPower", "30");
    a.open();
    a.search(L"LS27");
    if (c.down) {
        SetFocus(a.findControl("lstHits"));
        a.keyThroughLoop(a.findControl("lstHits"), VK_DOWN);
    }
    c.show(a);
    EXPECT_EQ(a.text("lblDanfoss"), c.danfoss);
    EXPECT_EQ(a.text("lblPower"), "11");
    EXPECT_EQ(a.text("txtPower"), "30");
    EXPECT_FALSE(IsWindowVisible(a.control("far")));
    EXPECT_NE(a.find(), nullptr);
    EXPECT_TRUE(a.warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FindModelWindow, Showing,
    testing::Values(
        Choice { "enter_in_the_box", false,
                 [](Finding &a) { a.keyThroughLoop(a.findControl("txtModel"), VK_RETURN); },
                 "CI20" },
        Choice { "enter_in_the_list", true,
                 [](Finding &a) { a.keyThroughLoop(a.findControl("lstHits"), VK_RETURN); },
                 "CI25" },
        Choice { "show_button", true,
                 [](Finding &a) { SendMessageW(a.findControl("cmdShow"), BM_CLICK, 0, 0); },
                 "CI25" },
        Choice { "double_click", false,
                 [](Finding &a) {
                     const HWND list = a.findControl("lstHits");
                     RECT item;
                     SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
                     const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
                     SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
                     SendMessageW(list, WM_LBUTTONUP, 0, at);
                     SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
                     SendMessageW(list, WM_LBUTTONUP, 0, at);
                 },
                 "CI25" }),
    [](const testing::TestParamInfo<Choice> &p) { return std::string(p.param.name); });

// LC1D18 is in steps 3 and 4, whose models of today differ: the label under the hits follows the
// selection, by the keys and by the mouse.
TEST(FindModelWindow, TodaysModelsFollowTheSelection)
{
    const struct
    {
        const char *way;
        void (*selectSecond)(Finding &);
    } cases[] = {
        { "arrow key",
          [](Finding &a) {
              SetFocus(a.findControl("lstHits"));
              a.keyThroughLoop(a.findControl("lstHits"), VK_DOWN);
          } },
        { "click",
          [](Finding &a) {
              const HWND list = a.findControl("lstHits");
              RECT item;
              SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
              const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
              SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
              SendMessageW(list, WM_LBUTTONUP, 0, at);
          } },
    };
    ASSERT_NE(forms::todayLine(3), forms::todayLine(4));
    for (const auto &c : cases) {
        Finding a;
        a.open();
        a.search(L"LC1D18");
        EXPECT_EQ(a.text(a.findControl("lblToday")), "Сегодня выпускаются:") << c.way;
        EXPECT_EQ(a.text(a.findControl("lblTodayModels")), forms::todayLine(3)) << c.way;
        c.selectSecond(a);
        EXPECT_EQ(a.selected(), 1) << c.way;
        EXPECT_EQ(a.text(a.findControl("lblTodayModels")), forms::todayLine(4)) << c.way;
        EXPECT_EQ(a.text("lblPower"), "4") << c.way << ": a selection shows nothing yet";
    }
}

TEST(FindModelWindow, ClosesByEscCloseOrTheCloseBoxAndOpensAnewEmpty)
{
    const struct
    {
        const char *way;
        void (*close)(Finding &);
    } cases[] = {
        { "Esc", [](Finding &a) { a.keyThroughLoop(a.findControl("txtModel"), VK_ESCAPE); } },
        { "Закрыть", [](Finding &a) { SendMessageW(a.findControl("cmdClose"), BM_CLICK, 0, 0); } },
        { "close box", [](Finding &a) { SendMessageW(a.find(), WM_CLOSE, 0, 0); } },
    };
    for (const auto &c : cases) {
        Finding a;
        a.open();
        a.search(L"LS27");
        c.close(a);
        EXPECT_EQ(a.find(), nullptr) << c.way;
        EXPECT_EQ(a.pump(), std::nullopt) << c.way << ": the main window is still open";
        EXPECT_EQ(a.text("lblPower"), "4") << c.way;
        a.open();
        EXPECT_EQ(a.text(a.findControl("txtModel")), "") << c.way;
        EXPECT_TRUE(a.hits().empty()) << c.way;
    }
}

TEST(FindModelWindow, GoesWithTheMainWindow)
{
    Finding a;
    a.open();
    a.press("exit");
    EXPECT_EQ(a.find(), nullptr);
    EXPECT_EQ(a.pump(), 0);
}

} // namespace
} // namespace selmak::win32::test
