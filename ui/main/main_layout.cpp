// SPDX-License-Identifier: MIT
#include "ui/main/main_layout.h"

#include <array>

namespace selmak::ui {
namespace {

constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kLightGreen = qRgb(128, 255, 128);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kLightBlue = qRgb(192, 192, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
// Behind the results: dark, so that yellow, red, light blue and green all read well on it.
constexpr QRgb kWindowFrame = qRgb(0, 0, 0);

constexpr FontStyle kWindowFont { "Arial", 8.25 };
constexpr FontStyle kSans { "MS Sans Serif", 9.75 };
constexpr FontStyle kSansBold { "MS Sans Serif", 9.75, true };
constexpr FontStyle kSansBoldUnderlined { "MS Sans Serif", 9.75, true, true };
constexpr FontStyle kSansSmall { "MS Sans Serif", 8.25 };
constexpr FontStyle kTahoma { "Tahoma", 8.25 };
constexpr FontStyle kHeading { "Times New Roman", 14.25, true };

using K = ControlKind;

// Left, top, width and height in twips from the top-left corner of the client area.
constexpr std::array kControls = std::to_array<ControlRow>({
    // The input area.
    { "ID", K::Label, "Исходные данные:", { 480, 360, 2655, 375 }, kHeading, kBlack },
    { "Power1_0", K::Label, "Номинальная мощность  ", { 480, 1080, 2415, 240 }, kSans },
    { "Label1", K::Label, "контактора  AC-3", { 480, 1320, 2295, 255 }, kSans },
    { "optPower",
      K::Option,
      "Option1",
      { 240, 1800, 255, 285 },
      kWindowFont,
      0,
      0,
      false,
      Initially::Checked,
      "Номинальная мощность" },
    { "txtPower",
      K::TextBox,
      "",
      { 600, 1800, 975, 285 },
      kTahoma,
      0,
      kLightGreen,
      false,
      Initially::AsBuilt,
      "Номинальная мощность, кВт" },
    { "Power1_5", K::Label, "(кВт)", { 1680, 1800, 615, 285 }, kSansBold },
    { "Power1_7", K::Label, "Номинальная сила тока  ", { 480, 2280, 2430, 240 }, kSans },
    { "Label2", K::Label, "контактора  AC-3", { 480, 2520, 2295, 255 }, kSans },
    { "optCurrent",
      K::Option,
      "Option1",
      { 240, 3000, 255, 285 },
      kWindowFont,
      0,
      0,
      false,
      Initially::AsBuilt,
      "Номинальная сила тока" },
    { "txtCurrent",
      K::TextBox,
      "",
      { 600, 3000, 975, 285 },
      kTahoma,
      kBlack,
      kLightGreen,
      false,
      Initially::AsBuilt,
      "Номинальная сила тока, А" },
    { "Power1_4", K::Label, " (А)", { 1680, 3000, 495, 255 }, kSansBold },

    // The commands, and the hot spot between them that shows the step buttons.
    { "cmbChoose", K::Button, "Подобрать", { 480, 3600, 2055, 375 }, kSans },
    { "Hide", K::HotSpot, "", { 1200, 4440, 495, 135 }, kWindowFont },
    { "cmbAbout", K::Button, "О программе", { 480, 5160, 2055, 375 }, kSans },
    { "exit", K::Button, "Выход", { 480, 5640, 2055, 375 }, kSans },

    // The two heading rows above the frame, with the step buttons either side of the results.
    { "Power1_2", K::Label, "Мощность (AC-3), кВт", { 3840, 240, 2400, 255 }, kSansBold, kBlack },
    { "lblPower",
      K::Label,
      "Power",
      { 6480, 240, 2100, 255 },
      kSansBoldUnderlined,
      kLightBlue,
      kWindowFrame,
      true },
    { "markCurrent", K::Label, "Сила тока (AC-3), А", { 3840, 600, 2400, 255 }, kSansBold },
    { "lblCurrent",
      K::Label,
      "Current",
      { 6480, 600, 2100, 255 },
      kSansBoldUnderlined,
      kRed,
      kWindowFrame,
      true },
    { "back",
      K::Button,
      "<",
      { 6255, 240, 200, 615 },
      kSansSmall,
      0,
      0,
      false,
      Initially::Hidden,
      "На ступень меньше" },
    { "far",
      K::Button,
      ">",
      { 8625, 240, 200, 615 },
      kSansSmall,
      0,
      0,
      false,
      Initially::Hidden,
      "На ступень больше" },

    // The makers, a name on the left and its model on the right at the same top.
    { "markDanfoss", K::Label, "Danfoss", { 4200, 1140, 2000, 255 }, kSansBold },
    { "lblDanfoss", K::Label, "", { 6480, 1140, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markElester", K::Label, "Elester", { 4200, 1500, 2000, 255 }, kSansBold },
    { "lblElester", K::Label, "", { 6480, 1500, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markAEG", K::Label, "AEG", { 4200, 1845, 2000, 255 }, kSansBold },
    { "lblAEG", K::Label, "", { 6480, 1845, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markGE_AEG", K::Label, "GE-AEG", { 4200, 2205, 2000, 255 }, kSansBold },
    { "lblGE_AEG", K::Label, "", { 6480, 2205, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markGE", K::Label, "GE", { 4200, 2565, 2000, 255 }, kSansBold },
    { "lblGE", K::Label, "", { 6480, 2565, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markABB", K::Label, "ABB", { 4200, 2910, 2000, 255 }, kSansBold },
    { "lblABB", K::Label, "", { 6480, 2910, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markTelemecanique", K::Label, "Telemecanique", { 4200, 3270, 2000, 255 }, kSansBold },
    { "lblTelemecan", K::Label, "", { 6480, 3270, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markLovato", K::Label, "Lovato", { 4200, 3630, 2000, 255 }, kSansBold },
    { "lblLovato", K::Label, "", { 6480, 3630, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markSiemens", K::Label, "Siemens", { 4200, 3975, 2000, 255 }, kSansBold },
    { "lblSiemens", K::Label, "", { 6480, 3975, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markMoeller", K::Label, "Moeller", { 4200, 4335, 2000, 255 }, kSansBold },
    { "lblMoeller", K::Label, "", { 6480, 4335, 2100, 255 }, kSansBold, kGreen, kBlack, true },
    { "markSchrack", K::Label, "Schrack", { 4200, 4695, 2000, 255 }, kSansBold },
    { "lblSchrack", K::Label, "", { 6480, 4695, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markAlien_Bradey", K::Label, "Alien Bradey", { 4200, 5040, 2000, 255 }, kSansBold },
    { "lblAlien_Brad",
      K::Label,
      "",
      { 6480, 5040, 2100, 255 },
      kSans,
      kYellow,
      kWindowFrame,
      true },
    { "markIEK", K::Label, "ИЭК", { 4200, 5400, 2000, 255 }, kSansBold },
    { "lblIEK", K::Label, "", { 6480, 5400, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
    { "markASKO", K::Label, "АСКО", { 4200, 5760, 2000, 255 }, kSansBold },
    { "lblASKO", K::Label, "", { 6480, 5760, 2100, 255 }, kSans, kYellow, kWindowFrame, true },
});

// The frame around the makers' rows.
constexpr std::array kLines = std::to_array<LineRow>({
    { "Line1", { 8880, 960 }, { 3600, 960 } },
    { "Line2", { 8880, 6120 }, { 3600, 6120 } },
    { "Line3", { 3600, 960 }, { 3600, 6120 } },
    { "Line4", { 8880, 6120 }, { 8880, 960 } },
});

// Hidden step buttons are skipped until they show. Of the two options the checked one takes it.
constexpr std::array kTabOrder { "back",     "far",       "exit",     "txtPower",  "txtCurrent",
                                 "cmbAbout", "cmbChoose", "optPower", "optCurrent" };

constexpr WindowLayout kWindowLayout { "Подбор контакторов",
                                       { 0, 0, 9195, 6345 },
                                       kWindowFont,
                                       kGreen,
                                       kBlack,
                                       kControls,
                                       kLines,
                                       kTabOrder };

} // namespace

const WindowLayout &mainLayout()
{
    return kWindowLayout;
}

} // namespace selmak::ui
