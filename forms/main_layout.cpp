// SPDX-License-Identifier: MIT
#include "forms/main_layout.h"

#include "core/columns.h"

#include <array>

namespace selmak::forms {
namespace {

constexpr Rgb kGreen { 0, 255, 0 };
constexpr Rgb kLightGreen { 128, 255, 128 };
constexpr Rgb kBlack { 0, 0, 0 };
constexpr Rgb kYellow { 255, 255, 0 };
constexpr Rgb kLightBlue { 192, 192, 255 };
constexpr Rgb kRed { 255, 0, 0 };
// Behind the results: dark, so that yellow, red, light blue and green all read well on it.
constexpr Rgb kWindowFrame { 0, 0, 0 };

constexpr FontStyle kWindowFont { .face = "Arial", .points = 8.25 };
constexpr FontStyle kSans { .face = "MS Sans Serif", .points = 9.75 };
constexpr FontStyle kSansBold { .face = "MS Sans Serif", .points = 9.75, .bold = true };
constexpr FontStyle kSansBoldUnderlined {
    .face = "MS Sans Serif", .points = 9.75, .bold = true, .underline = true
};
constexpr FontStyle kSansSmall { .face = "MS Sans Serif", .points = 8.25 };
constexpr FontStyle kTahoma { .face = "Tahoma", .points = 8.25 };
constexpr FontStyle kHeading { .face = "Times New Roman", .points = 14.25, .bold = true };

using enum ControlKind;
using enum MainControl;

// The captions and result labels come from the core's column table, so that the window names
// each column as the catalogue does. Its views are of literals, so they end in a NUL.
constexpr const char *headingOf(Column column)
{
    return columnInfo(column).heading.data();
}
constexpr const char *resultLabelOf(Column column)
{
    return columnInfo(column).resultLabel.data();
}

// A maker's row: its name on the left and its model on the right, at the same top.
constexpr ControlRow makerName(MainControl id, const char *name, Column maker, int top)
{
    return { .id = id,
             .name = name,
             .kind = Label,
             .caption = headingOf(maker),
             .twips = { 4200, top, 2000, 255 },
             .font = kSansBold };
}
constexpr ControlRow makerModel(Column maker, int top)
{
    return { .id = resultLabel(maker),
             .name = resultLabelOf(maker),
             .kind = Label,
             .twips = { 6480, top, 2100, 255 },
             .font = kSans,
             .text = kYellow,
             .background = kWindowFrame,
             .centred = true };
}

// Left, top, width and height in twips from the top-left corner of the client area.
constexpr auto kControls = std::to_array<ControlRow>({
    // The input area.
    { .id = ID,
      .name = "ID",
      .kind = Label,
      .caption = "Исходные данные:",
      .twips = { 480, 360, 2655, 375 },
      .font = kHeading,
      .text = kBlack },
    { .id = Power1_0,
      .name = "Power1_0",
      .kind = Label,
      .caption = "Номинальная мощность  ",
      .twips = { 480, 1080, 2415, 240 },
      .font = kSans },
    { .id = Label1,
      .name = "Label1",
      .kind = Label,
      .caption = "контактора  AC-3",
      .twips = { 480, 1320, 2295, 255 },
      .font = kSans },
    { .id = optPower,
      .name = "optPower",
      .kind = Option,
      .caption = "Option1",
      .twips = { 240, 1800, 255, 285 },
      .font = kWindowFont,
      .initially = Initially::Checked,
      .accessibleName = "Номинальная мощность" },
    { .id = txtPower,
      .name = "txtPower",
      .kind = TextBox,
      .twips = { 600, 1800, 975, 285 },
      .font = kTahoma,
      .background = kLightGreen,
      .accessibleName = "Номинальная мощность, кВт" },
    { .id = Power1_5,
      .name = "Power1_5",
      .kind = Label,
      .caption = "(кВт)",
      .twips = { 1680, 1800, 615, 285 },
      .font = kSansBold },
    { .id = Power1_7,
      .name = "Power1_7",
      .kind = Label,
      .caption = "Номинальная сила тока  ",
      .twips = { 480, 2280, 2430, 240 },
      .font = kSans },
    { .id = Label2,
      .name = "Label2",
      .kind = Label,
      .caption = "контактора  AC-3",
      .twips = { 480, 2520, 2295, 255 },
      .font = kSans },
    { .id = optCurrent,
      .name = "optCurrent",
      .kind = Option,
      .caption = "Option1",
      .twips = { 240, 3000, 255, 285 },
      .font = kWindowFont,
      .accessibleName = "Номинальная сила тока" },
    { .id = txtCurrent,
      .name = "txtCurrent",
      .kind = TextBox,
      .twips = { 600, 3000, 975, 285 },
      .font = kTahoma,
      .text = kBlack,
      .background = kLightGreen,
      .accessibleName = "Номинальная сила тока, А" },
    { .id = Power1_4,
      .name = "Power1_4",
      .kind = Label,
      .caption = " (А)",
      .twips = { 1680, 3000, 495, 255 },
      .font = kSansBold },

    // The commands, and the hot spot between them that shows the step buttons.
    { .id = cmbChoose,
      .name = "cmbChoose",
      .kind = Button,
      .caption = "Подобрать",
      .twips = { 480, 3600, 2055, 375 },
      .font = kSans },
    { .id = Hide,
      .name = "Hide",
      .kind = HotSpot,
      .twips = { 1200, 4440, 495, 135 },
      .font = kWindowFont },
    { .id = cmbAbout,
      .name = "cmbAbout",
      .kind = Button,
      .caption = "О программе",
      .twips = { 480, 5160, 2055, 375 },
      .font = kSans },
    { .id = exit,
      .name = "exit",
      .kind = Button,
      .caption = "Выход",
      .twips = { 480, 5640, 2055, 375 },
      .font = kSans },

    // The two heading rows above the frame, with the step buttons either side of the results.
    { .id = Power1_2,
      .name = "Power1_2",
      .kind = Label,
      .caption = headingOf(Column::Power),
      .twips = { 3840, 240, 2400, 255 },
      .font = kSansBold,
      .text = kBlack },
    { .id = lblPower,
      .name = resultLabelOf(Column::Power),
      .kind = Label,
      .caption = "Power",
      .twips = { 6480, 240, 2100, 255 },
      .font = kSansBoldUnderlined,
      .text = kLightBlue,
      .background = kWindowFrame,
      .centred = true },
    { .id = markCurrent,
      .name = "markCurrent",
      .kind = Label,
      .caption = headingOf(Column::Current),
      .twips = { 3840, 600, 2400, 255 },
      .font = kSansBold },
    { .id = lblCurrent,
      .name = resultLabelOf(Column::Current),
      .kind = Label,
      .caption = "Current",
      .twips = { 6480, 600, 2100, 255 },
      .font = kSansBoldUnderlined,
      .text = kRed,
      .background = kWindowFrame,
      .centred = true },
    { .id = back,
      .name = "back",
      .kind = Button,
      .caption = "<",
      .twips = { 6255, 240, 200, 615 },
      .font = kSansSmall,
      .initially = Initially::Hidden,
      .accessibleName = "На ступень меньше" },
    { .id = far_,
      .name = "far",
      .kind = Button,
      .caption = ">",
      .twips = { 8625, 240, 200, 615 },
      .font = kSansSmall,
      .initially = Initially::Hidden,
      .accessibleName = "На ступень больше" },

    // The makers. Moeller's model alone is bold green on black: the catalogue is built around it.
    makerName(markDanfoss, "markDanfoss", Column::Danfoss, 1140),
    makerModel(Column::Danfoss, 1140),
    makerName(markElester, "markElester", Column::Elester, 1500),
    makerModel(Column::Elester, 1500),
    makerName(markAEG, "markAEG", Column::Aeg, 1845),
    makerModel(Column::Aeg, 1845),
    makerName(markGE_AEG, "markGE_AEG", Column::GeAeg, 2205),
    makerModel(Column::GeAeg, 2205),
    makerName(markGE, "markGE", Column::Ge, 2565),
    makerModel(Column::Ge, 2565),
    makerName(markABB, "markABB", Column::Abb, 2910),
    makerModel(Column::Abb, 2910),
    makerName(markTelemecanique, "markTelemecanique", Column::Telemecanique, 3270),
    makerModel(Column::Telemecanique, 3270),
    makerName(markLovato, "markLovato", Column::Lovato, 3630),
    makerModel(Column::Lovato, 3630),
    makerName(markSiemens, "markSiemens", Column::Siemens, 3975),
    makerModel(Column::Siemens, 3975),
    makerName(markMoeller, "markMoeller", Column::Moeller, 4335),
    { .id = lblMoeller,
      .name = resultLabelOf(Column::Moeller),
      .kind = Label,
      .twips = { 6480, 4335, 2100, 255 },
      .font = kSansBold,
      .text = kGreen,
      .background = kBlack,
      .centred = true },
    makerName(markSchrack, "markSchrack", Column::Schrack, 4695),
    makerModel(Column::Schrack, 4695),
    makerName(markAlien_Bradey, "markAlien_Bradey", Column::AlienBradey, 5040),
    makerModel(Column::AlienBradey, 5040),
    makerName(markIEK, "markIEK", Column::Iek, 5400),
    makerModel(Column::Iek, 5400),
    makerName(markASKO, "markASKO", Column::Asko, 5760),
    makerModel(Column::Asko, 5760),
});

static_assert(rowsFollow<MainControl>(kControls));
static_assert(
    [] {
        for (const ColumnInfo &info : kColumns) {
            if (kControls[ControlId(resultLabel(info.column)).index].name != info.resultLabel)
                return false;
        }
        return true;
    }(),
    "resultLabel must give each column the label that the column table names");

// The frame around the makers' rows.
constexpr auto kLines = std::to_array<LineRow>({
    { .name = "Line1", .from = { 8880, 960 }, .to = { 3600, 960 } },
    { .name = "Line2", .from = { 8880, 6120 }, .to = { 3600, 6120 } },
    { .name = "Line3", .from = { 3600, 960 }, .to = { 3600, 6120 } },
    { .name = "Line4", .from = { 8880, 6120 }, .to = { 8880, 960 } },
});

// Hidden step buttons are skipped until they show. Of the two options the checked one takes it.
constexpr std::array<ControlId, 9> kTabOrder { back,     far_,      exit,     txtPower,  txtCurrent,
                                               cmbAbout, cmbChoose, optPower, optCurrent };

constexpr WindowLayout kMainLayout { .name = "selmak",
                                     .title = "Подбор контакторов",
                                     .clientArea = { 0, 0, 9195, 6345 },
                                     .font = kWindowFont,
                                     .background = kGreen,
                                     .lineColour = kBlack,
                                     .controls = kControls,
                                     .lines = kLines,
                                     .tabOrder = kTabOrder };

} // namespace

const WindowLayout &mainLayout()
{
    return kMainLayout;
}

} // namespace selmak::forms
