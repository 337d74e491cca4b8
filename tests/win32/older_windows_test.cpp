// SPDX-License-Identifier: MIT
// The windows laid out with the dpi functions each Windows has: none of the newer ones on 7,
// shcore's monitor dpi on 8.1, all of them on 10 and 11. Each lays out at the same dpi, the one
// this run's desktop is set to.
#include "forms/about_layout.h"
#include "forms/main_layout.h"
#include "running_app.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace selmak::win32::test {
namespace {

forms::PixelRect placeIn(HWND parent, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&r), 2);
    return { r.left, r.top, r.right - r.left, r.bottom - r.top };
}

DpiApi asWindows81()
{
    DpiApi api;
    const HMODULE shcore = LoadLibraryW(L"shcore.dll");
    api.getDpiForMonitor = reinterpret_cast<decltype(api.getDpiForMonitor)>(
        reinterpret_cast<void (*)()>(GetProcAddress(shcore, "GetDpiForMonitor")));
    return api;
}

struct System
{
    const char *name;
    DpiApi api;
};

class OnOlderWindows : public testing::TestWithParam<System>
{
};

TEST_P(OnOlderWindows, LaysTheWindowsOutAtTheDesktopsDpi)
{
    const System &system = GetParam();
    const char *set = std::getenv("SELMAK_WINE_DPI");
    const int dpi = set ? std::atoi(set) : static_cast<int>(systemDpi());
    RunningApp a(system.api);
    const HWND main = a.main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(a.app.mainWindow().dpi(), static_cast<UINT>(dpi));
    RECT client;
    GetClientRect(main, &client);
    const forms::PixelRect area = forms::toPixels(forms::mainLayout().clientArea, dpi);
    EXPECT_EQ(client.right, area.width);
    EXPECT_EQ(client.bottom, area.height);
    for (const forms::ControlRow &row : forms::mainLayout().controls)
        EXPECT_EQ(placeIn(main, a.control(row.name)), forms::toPixels(row.twips, dpi)) << row.name;
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(a.control("ID"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(-font.lfHeight, MulDiv(19, dpi, 96));

    a.press("cmbAbout");
    ASSERT_NE(a.app.aboutWindow(), nullptr);
    const HWND about = a.app.aboutWindow()->handle();
    GetClientRect(about, &client);
    const forms::PixelRect dialog = forms::toPixels(forms::aboutLayout().clientArea, dpi);
    EXPECT_EQ(client.right, dialog.width);
    EXPECT_EQ(client.bottom, dialog.height);
    BITMAP picture {};
    GetObjectW(reinterpret_cast<HBITMAP>(
                   SendMessageW(a.aboutControl("Picture1"), STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof picture, &picture);
    EXPECT_EQ(picture.bmWidth, MulDiv(91, dpi, 96));
}

INSTANTIATE_TEST_SUITE_P(Windows, OnOlderWindows,
                         testing::Values(System { "7", {} }, System { "8_1", asWindows81() },
                                         System { "10", DpiApi::system() }),
                         [](const testing::TestParamInfo<System> &row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace selmak::win32::test
