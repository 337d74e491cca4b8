// SPDX-License-Identifier: MIT
#include "ui/about/about_layout.h"

#include <array>

namespace selmak::ui {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kGrey = qRgb(128, 128, 128);
// No control sets a font of its own: all take the dialog's, the classic dialog face.
constexpr FontStyle kDefaultFont {};

// The sentence, the developer line and the e-mail line each start a line of their own.
constexpr const char *kDescription
    = "Программа помогает подобрать контакторы различных фирм-производителей, эквивалентные по "
      "мощности контакторам фирмы Moeller.\n"
      "Разработчик:  ООО \"Тарвис\"\n"
      "E-mail:  info@tarvis.example";

using K = ControlKind;

// Left, top, width and height in twips. The title and version are set when the dialog loads.
constexpr std::array kControls = std::to_array<ControlRow>({
    { "Picture1",
      K::Picture,
      ":/images/about.jpg",
      { 75, 90, 1425, 1515 },
      kDefaultFont,
      0,
      0,
      false,
      Initially::AsBuilt,
      "Контактор" },
    { "lblTitle", K::Label, "Подбор контакроров", { 1620, 105, 3885, 315 }, kDefaultFont, kBlack },
    { "lblVersion", K::Label, "", { 1635, 540, 3885, 270 }, kDefaultFont },
    { "lblDescription", K::Label, kDescription, { 1620, 930, 3885, 1485 }, kDefaultFont, kBlack },
    { "lblURL",
      K::HotSpot,
      " http://www.tarvis.example",
      { 1620, 2400, 2040, 255 },
      kDefaultFont,
      kBlue },
    { "cmdOK",
      K::Button,
      "OK",
      { 4080, 2745, 1260, 345 },
      kDefaultFont,
      0,
      0,
      false,
      Initially::AsBuilt,
      nullptr,
      true },
});

constexpr std::array kLines = std::to_array<LineRow>({
    { "Line1", { 90, 2685 }, { 5654, 2685 } },
});

// Labels take no focus: the Tab key goes between the button and the picture.
constexpr std::array kTabOrder { "cmdOK", "Picture1" };

constexpr WindowLayout kAboutLayout {
    "О программе ...", { 0, 0, 5700, 3165 }, kClassicDialogFont, 0, kGrey, kControls, kLines,
    kTabOrder
};

} // namespace

const WindowLayout &aboutLayout()
{
    return kAboutLayout;
}

} // namespace selmak::ui
