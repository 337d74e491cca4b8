// SPDX-License-Identifier: MIT
#include "forms/list_layout.h"

#include <array>

namespace selmak::forms {
namespace {

using enum ControlKind;
using enum ListControl;

// As the find window: the system's colours and the classic dialog face. The box takes a column
// pasted from a spreadsheet, eight lines in view at any dpi; the table below it shows thirteen
// rows, and scrolls both ways where the list or the makers' columns do not fit. No button is the default:
// Enter starts a new line in the box.
constexpr auto kControls = std::to_array<ControlRow>({
    { .id = lblList,
      .name = "lblList",
      .kind = Label,
      .caption = "Обозначения, мощности или токи, по одному в строке:",
      .twips = { 120, 120, 10560, 255 } },
    { .id = txtList,
      .name = "txtList",
      .kind = TextArea,
      .twips = { 120, 375, 10560, 1920 },
      .accessibleName = "Обозначения, мощности или токи" },
    { .id = lblColumn,
      .name = "lblColumn",
      .kind = Label,
      .caption = "Столбец:",
      .twips = { 120, 2430, 840, 255 } },
    { .id = txtColumn,
      .name = "txtColumn",
      .kind = TextBox,
      .caption = "1",
      .twips = { 1020, 2400, 600, 315 },
      .accessibleName = "Столбец",
      .maxLength = 3 },
    { .id = lblTo,
      .name = "lblTo",
      .kind = Label,
      .caption = "Производитель:",
      .twips = { 1920, 2430, 1380, 255 } },
    { .id = cboTo,
      .name = "cboTo",
      .kind = DropDown,
      .twips = { 3360, 2400, 3000, 315 },
      .accessibleName = "Производитель" },
    { .id = grdResult,
      .name = "grdResult",
      .kind = Table,
      .twips = { 120, 2835, 10560, 3720 },
      .accessibleName = "Результаты" },
    { .id = lblStatus, .name = "lblStatus", .kind = Label, .twips = { 120, 6645, 10560, 255 } },
    { .id = cmdOpen,
      .name = "cmdOpen",
      .kind = Button,
      .caption = "Открыть...",
      .twips = { 120, 7005, 1260, 345 } },
    { .id = cmdCopy,
      .name = "cmdCopy",
      .kind = Button,
      .caption = "Копировать",
      .twips = { 1440, 7005, 1260, 345 } },
    { .id = cmdSave,
      .name = "cmdSave",
      .kind = Button,
      .caption = "Сохранить...",
      .twips = { 2760, 7005, 1260, 345 } },
    { .id = cmdClose,
      .name = "cmdClose",
      .kind = Button,
      .caption = "Закрыть",
      .twips = { 9420, 7005, 1260, 345 },
      .isCancel = true },
});

static_assert(rowsFollow<ListControl>(kControls));

// The box first: it takes the focus as the window opens.
constexpr std::array<ControlId, 8> kTabOrder { txtList, txtColumn, cboTo,   grdResult,
                                               cmdOpen, cmdCopy,   cmdSave, cmdClose };

constexpr WindowLayout kListLayout { .name = "frmList",
                                     .title = "Замена по списку",
                                     .clientArea = { 0, 0, 10800, 7470 },
                                     .font = kClassicDialogFont,
                                     .lineColour = { 0, 0, 0 },
                                     .controls = kControls,
                                     .lines = {},
                                     .tabOrder = kTabOrder };

} // namespace

const WindowLayout &listLayout()
{
    return kListLayout;
}

} // namespace selmak::forms
