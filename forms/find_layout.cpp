// SPDX-License-Identifier: MIT
#include "forms/find_layout.h"

#include <array>

namespace selmak::forms {
namespace {

using enum ControlKind;

// No control sets a font or a colour of its own: the window wears the system's colours and the
// classic dialog face, as About does. The list is as wide as the window allows, so that the
// longest line ("Alien Bradey  100-A110N  —  ступень 11: 45 кВт, 81 А") fits at any dpi; between
// the status line and the buttons there is room for one more label of two lines.
constexpr auto kControls = std::to_array<ControlRow>({
    { .name = "lblPrompt",
      .kind = Label,
      .caption = "Обозначение контактора:",
      .twips = { 120, 120, 5760, 255 } },
    { .name = "txtModel",
      .kind = TextBox,
      .twips = { 120, 375, 5760, 315 },
      .accessibleName = "Обозначение контактора" },
    { .name = "lstHits",
      .kind = List,
      .twips = { 120, 780, 5760, 1950 },
      .accessibleName = "Найденные модели" },
    { .name = "lblStatus", .kind = Label, .twips = { 120, 2790, 5760, 255 } },
    { .name = "cmdShow",
      .kind = Button,
      .caption = "Показать",
      .twips = { 3300, 3735, 1260, 345 },
      .isDefault = true },
    { .name = "cmdClose",
      .kind = Button,
      .caption = "Закрыть",
      .twips = { 4620, 3735, 1260, 345 },
      .isCancel = true },
});

// The box first: it takes the focus as the window opens.
constexpr std::array kTabOrder { "txtModel", "lstHits", "cmdShow", "cmdClose" };

constexpr WindowLayout kFindLayout { .name = "frmFind",
                                     .title = "Поиск по модели",
                                     .clientArea = { 0, 0, 6000, 4200 },
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
