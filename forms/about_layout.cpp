// SPDX-License-Identifier: MIT
#include "forms/about_layout.h"

#include <array>

namespace selmak::forms {
namespace {

constexpr Rgb kBlack { 0, 0, 0 };
constexpr Rgb kBlue { 0, 0, 255 };
constexpr Rgb kGrey { 128, 128, 128 };

// The sentence, the developer line and the e-mail line each start a line of their own.
constexpr const char *kDescription
    = "Программа помогает подобрать контакторы различных фирм-производителей, эквивалентные по "
      "мощности контакторам фирмы Moeller.\n"
      "Разработчик:  ООО \"Тарвис\"\n"
      "E-mail:  info@tarvis.example";

using enum ControlKind;
using enum AboutControl;

// OK is both the default and the cancel button: Enter, Esc and the close box all press it. No
// control sets a font of its own: all take the dialog's, the classic dialog face. The title and
// version are set when the dialog loads.
constexpr auto kControls = std::to_array<ControlRow>({
    { .id = Picture1,
      .name = "Picture1",
      .kind = Picture,
      .caption = "images/about.jpg",
      .twips = { 75, 90, 1425, 1515 },
      .accessibleName = "Контактор" },
    { .id = lblTitle,
      .name = "lblTitle",
      .kind = Label,
      .caption = "Подбор контакроров",
      .twips = { 1620, 105, 3885, 315 },
      .text = kBlack },
    { .id = lblVersion, .name = "lblVersion", .kind = Label, .twips = { 1635, 540, 3885, 270 } },
    { .id = lblDescription,
      .name = "lblDescription",
      .kind = Label,
      .caption = kDescription,
      .twips = { 1620, 930, 3885, 1485 },
      .text = kBlack },
    { .id = lblURL,
      .name = "lblURL",
      .kind = HotSpot,
      .caption = " http://www.tarvis.example",
      .twips = { 1620, 2400, 2040, 255 },
      .text = kBlue },
    { .id = cmdOK,
      .name = "cmdOK",
      .kind = Button,
      .caption = "OK",
      .twips = { 4080, 2745, 1260, 345 },
      .isDefault = true,
      .isCancel = true },
});

static_assert(rowsFollow<AboutControl>(kControls));

constexpr auto kLines = std::to_array<LineRow>({
    { .name = "Line1", .from = { 90, 2685 }, .to = { 5654, 2685 } },
});

// Labels take no focus: the Tab key goes between the button and the picture.
constexpr std::array<ControlId, 2> kTabOrder { cmdOK, Picture1 };

constexpr WindowLayout kAboutLayout { .name = "frmAbout",
                                      .title = "О программе ...",
                                      .clientArea = { 0, 0, 5700, 3165 },
                                      .font = kClassicDialogFont,
                                      .lineColour = kGrey,
                                      .controls = kControls,
                                      .lines = kLines,
                                      .tabOrder = kTabOrder };

} // namespace

const WindowLayout &aboutLayout()
{
    return kAboutLayout;
}

} // namespace selmak::forms
