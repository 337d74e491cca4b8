// SPDX-License-Identifier: MIT
#include "forms/find_layout.h"

#include <array>

namespace selmak::forms {
namespace {

using enum ControlKind;
using enum FindControl;

// No control sets a font or a colour of its own: the window wears the system's colours and the
// classic dialog face, as About does. The list is as wide as the window allows, so that the
// longest line, a frame below the smallest step read from a whole order code with a dual coil
// ("Siemens  3RT2015 (SIRIUS 3RT2, сегодня)  —  3 кВт, 7 А: меньше наименьшей ступени; катушка
// ~220 В 50 Гц / 240 В 60 Гц, 1НО", 658 pixels at 96 dpi), fits beside the scroll bar at any dpi.
// Under the status line, today's models of the selected hit's step take up to four lines: a
// "brand model" pair, or a maker's whole code of today, for each of the fourteen makers.
constexpr auto kControls = std::to_array<ControlRow>({
    { .id = lblPrompt,
      .name = "lblPrompt",
      .kind = Label,
      .caption = "Обозначение контактора:",
      .twips = { 120, 120, 10440, 255 } },
    // A part number, or a line of a bill of materials, is far shorter. The limit keeps a huge
    // paste from stalling the box itself: its layout of a mebibyte takes a toolkit a good part
    // of a second on every keystroke, where the search would take microseconds.
    { .id = txtModel,
      .name = "txtModel",
      .kind = TextBox,
      .twips = { 120, 375, 10440, 315 },
      .accessibleName = "Обозначение контактора",
      .maxLength = 256 },
    { .id = lstHits,
      .name = "lstHits",
      .kind = List,
      .twips = { 120, 780, 10440, 1950 },
      .accessibleName = "Найденные модели" },
    { .id = lblStatus, .name = "lblStatus", .kind = Label, .twips = { 120, 2790, 10440, 255 } },
    { .id = lblToday,
      .name = "lblToday",
      .kind = Label,
      .caption = "Сегодня выпускаются:",
      .twips = { 120, 3105, 10440, 255 } },
    { .id = lblTodayModels,
      .name = "lblTodayModels",
      .kind = Label,
      .twips = { 120, 3360, 10440, 780 } },
    { .id = cmdShow,
      .name = "cmdShow",
      .kind = Button,
      .caption = "Показать",
      .twips = { 7980, 4335, 1260, 345 },
      .isDefault = true },
    { .id = cmdClose,
      .name = "cmdClose",
      .kind = Button,
      .caption = "Закрыть",
      .twips = { 9300, 4335, 1260, 345 },
      .isCancel = true },
});

static_assert(rowsFollow<FindControl>(kControls));

// The box first: it takes the focus as the window opens.
constexpr std::array<ControlId, 4> kTabOrder { txtModel, lstHits, cmdShow, cmdClose };

constexpr WindowLayout kFindLayout { .name = "frmFind",
                                     .title = "Поиск по модели",
                                     .clientArea = { 0, 0, 10680, 4800 },
                                     .font = kClassicDialogFont,
                                     .lineColour = { 0, 0, 0 },
                                     .controls = kControls,
                                     .lines = {},
                                     .tabOrder = kTabOrder };

} // namespace

const WindowLayout &findLayout()
{
    return kFindLayout;
}

} // namespace selmak::forms
