// SPDX-License-Identifier: MIT
// The About dialog as a Win32 window: its texts, its place, its picture, the link and the ways
// to close it.
#include "forms/about_form.h"
#include "forms/about_layout.h"
#include "running_app.h"

#include <gtest/gtest.h>

namespace selmak::win32::test {
namespace {

struct Opened : RunningApp
{
    Opened() { press("cmbAbout"); }
    HWND about() { return app.aboutWindow() ? app.aboutWindow()->handle() : nullptr; }
};

TEST(AboutWindow, ShowsTheTextsItsLoadSets)
{
    Opened a;
    ASSERT_NE(a.about(), nullptr);
    EXPECT_EQ(a.text(a.about()), "О програме...");
    EXPECT_EQ(a.text(a.aboutControl("lblTitle")), "Подбор контакроров.");
    EXPECT_EQ(a.text(a.aboutControl("lblVersion")), "Версия 0.9.0");
    EXPECT_EQ(a.text(a.aboutControl("cmdOK")), "OK");
}

TEST(AboutWindow, IsOwnerlessOneAtATimeAndCentredOverTheMainWindow)
{
    Opened a;
    const HWND first = a.about();
    a.press("cmbAbout");
    EXPECT_EQ(a.about(), first);
    EXPECT_EQ(GetWindow(first, GW_OWNER), nullptr);
    RECT over;
    RECT own;
    GetWindowRect(a.main(), &over);
    GetWindowRect(first, &own);
    EXPECT_NEAR(own.left + own.right, over.left + over.right, 1);
    EXPECT_NEAR(own.top + own.bottom, over.top + over.bottom, 1);
}

TEST(AboutWindow, ControlsStandAtTheirPlacesAndThePictureAtItsNaturalSize)
{
    Opened a;
    const int dpi = static_cast<int>(DpiApi::system().windowDpi(a.about()));
    for (const forms::ControlRow &row : forms::aboutLayout().controls) {
        RECT r;
        GetWindowRect(a.aboutControl(row.name), &r);
        MapWindowPoints(nullptr, a.about(), reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ((forms::PixelRect { r.left, r.top, r.right - r.left, r.bottom - r.top }),
                  forms::toPixels(row.twips, dpi))
            << row.name;
    }
    BITMAP picture {};
    GetObjectW(reinterpret_cast<HBITMAP>(
                   SendMessageW(a.aboutControl("Picture1"), STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof picture, &picture);
    EXPECT_EQ(picture.bmWidth, MulDiv(91, dpi, 96));
    EXPECT_EQ(picture.bmHeight, MulDiv(97, dpi, 96));
}

// A click opens the fixed address once; so does a double-click, whose second click is a
// double-click message.
TEST(AboutWindow, TheLinkOpensTheSiteOncePerClickOrDoubleClick)
{
    Opened a;
    const HWND link = a.aboutControl("lblURL");
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(a.opened.size(), 1u);
    EXPECT_EQ(a.opened[0], L"http://www.tarvis.example/");
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(a.opened.size(), 2u);
    EXPECT_NE(a.about(), nullptr);
}

TEST(AboutWindow, ClosesByOkEnterEscOrTheCloseBoxAndOpensAnewWithItsTexts)
{
    const struct
    {
        const char *way;
        void (*close)(Opened &);
    } cases[] = {
        { "OK", [](Opened &a) { SendMessageW(a.aboutControl("cmdOK"), BM_CLICK, 0, 0); } },
        { "Enter on the picture",
          [](Opened &a) {
              SetFocus(a.aboutControl("Picture1"));
              a.key(a.aboutControl("Picture1"), VK_RETURN);
          } },
        { "Esc", [](Opened &a) { a.key(a.aboutControl("cmdOK"), VK_ESCAPE); } },
        { "close box", [](Opened &a) { SendMessageW(a.about(), WM_CLOSE, 0, 0); } },
    };
    for (const auto &c : cases) {
        Opened a;
        c.close(a);
        EXPECT_EQ(a.about(), nullptr) << c.way;
        EXPECT_EQ(a.pump(), std::nullopt) << c.way << ": the main window is still open";
        a.press("cmbAbout");
        EXPECT_EQ(a.text(a.about()), "О програме...") << c.way;
    }
}

} // namespace
} // namespace selmak::win32::test
