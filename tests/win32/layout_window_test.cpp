// SPDX-License-Identifier: MIT
// A window with two pictures: each keeps its own image, at the window's dpi, also after the dpi
// changes.
#include "ui/win32/layout_window.h"

#include <array>
#include <gtest/gtest.h>

namespace selmak::win32::test {
namespace {

using forms::ControlKind;
using forms::ControlRow;

enum class PictureId { first, second };

} // namespace
} // namespace selmak::win32::test

template<>
inline constexpr std::size_t selmak::forms::kControlCount<selmak::win32::test::PictureId> = 2;

namespace selmak::win32::test {
namespace {

constexpr std::array kPictures {
    ControlRow { .id = PictureId::first,
                 .name = "first",
                 .kind = ControlKind::Picture,
                 .caption = "images/about.jpg",
                 .twips = { 75, 90, 1425, 1515 } },
    ControlRow { .id = PictureId::second,
                 .name = "second",
                 .kind = ControlKind::Picture,
                 .caption = "images/about.jpg",
                 .twips = { 1600, 90, 1425, 1515 } },
};
constexpr std::array<forms::ControlId, 2> kTabOrder { PictureId::first, PictureId::second };

const forms::WindowLayout kTwoPictures {
    .name = "twoPictures",
    .title = "",
    .clientArea = { 0, 0, 3200, 1700 },
    .font = forms::kClassicDialogFont,
    .lineColour = { 0, 0, 0 },
    .controls = kPictures,
    .lines = {},
    .tabOrder = kTabOrder,
};

class TwoPictures final : public LayoutWindow
{
public:
    TwoPictures() : LayoutWindow(kTwoPictures, WS_POPUP | WS_CAPTION, 0) { create(); }

private:
    void onEvent(forms::ControlId, forms::Event) override { }
    void onDestroyed() override { }
};

int imageWidth(HWND picture)
{
    BITMAP image {};
    const auto shown
        = reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    return GetObjectW(shown, sizeof image, &image) ? image.bmWidth : 0;
}

TEST(LayoutWindow, KeepsAnImageForEachPictureAtEachDpi)
{
    TwoPictures window;
    ASSERT_NE(window.handle(), nullptr);
    const int dpi = static_cast<int>(window.dpi());
    const HWND first = window.control(PictureId::first);
    const HWND second = window.control(PictureId::second);
    EXPECT_NE(SendMessageW(first, STM_GETIMAGE, IMAGE_BITMAP, 0),
              SendMessageW(second, STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_EQ(imageWidth(first), MulDiv(91, dpi, 96));
    EXPECT_EQ(imageWidth(second), MulDiv(91, dpi, 96));

    const int other = dpi == 96 ? 144 : 96;
    RECT suggested;
    GetWindowRect(window.handle(), &suggested);
    SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(other, other),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(imageWidth(first), MulDiv(91, other, 96));
    EXPECT_EQ(imageWidth(second), MulDiv(91, other, 96));
}

} // namespace
} // namespace selmak::win32::test
