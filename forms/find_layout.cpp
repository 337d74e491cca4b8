// SPDX-License-Identifier: MIT
#include "forms/find_layout.h"

#include <array>

namespace selmak::forms {
namespace {

using enum ControlKind;
using enum FindControl;

// No control sets a font or a colour of its own: the window wears the system's colours and the
// classic dialog face, as About does. The list is as wide as the window allows, so that the
// longest line, a frame of the catalogue's series below the smallest step ("Siemens  3RT1015
// (SIRIUS 3RT1, серия каталога)  —  3 кВт, 7 А: меньше наименьшей ступени"), fits at any dpi.
// Under the status line, today's models of the selected hit's step take up to four lines: a
// "brand model" pair for each of the fourteen makers.
constexpr auto kControls = std::to_array<ControlRow>({
    { .id = lblPrompt,
      .name = "lblPrompt",
      .kind = Label,
      .caption = "Обозначение контактора:",
      .twips = { 120, 120, 7560, 255 } },
    // A part number, or a line of a bill of materials, is far shorter. The limit keeps a huge
    // paste from stalling the box itself: its layout of a mebibyte takes a toolkit a good part
    // of a second on every keystroke, where the search would take microseconds.
    { .id = txtModel,
      .name = "txtModel",
      .kind = TextBox,
      .twips = { 120, 375, 7560, 315 },
      .accessibleName = "Обозначение контактора",
      .maxLength = 256 },
    { .id = lstHits,
      .name = "lstHits",
      .kind = List,
      .twips = { 120, 780, 7560, 1950 },
      .accessibleName = "Найденные модели" },
    { .id = lblStatus, .name = "lblStatus", .kind = Label, .twips = { 120, 2790, 7560, 255 } },
    { .id = lblToday,
      .name = "lblToday",
      .kind = Label,
      .caption = "Сегодня выпускаются:",
      .twips = { 120, 3105, 7560, 255 } },
    { .id = lblTodayModels,
      .name = "lblTodayModels",
      .kind = Label,
      .twips = { 120, 3360, 7560, 780 } },
    { .id = cmdShow,
      .name = "cmdShow",
      .kind = Button,
      .caption = "Показать",
      .twips = { 5100, 4335, 1260, 345 },
      .isDefault = true },
    { .id = cmdClose,
      .name = "cmdClose",
      .kind = Button,
      .caption = "Закрыть",
      .twips = { 6420, 4335, 1260, 345 },
      .isCancel = true },
});

static_assert(rowsFollow<FindControl>(kControls));

// The box first: it takes the focus as the window opens.
constexpr std::array<ControlId, 4> kTabOrder { txtModel, lstHits, cmdShow, cmdClose };

constexpr WindowLayout kFindLayout { .name = "frmFind",
                                     .title = "Поиск по модели",
                                     .clientArea = { 0, 0, 7800, 4800 },
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
