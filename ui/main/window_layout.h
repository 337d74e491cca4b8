// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/twips.h"

#include <QColor>

#include <span>

namespace selmak::ui {

enum class ControlKind {
    Label, // wraps its text at its width, as every label here does
    HotSpot, // a label that reacts to a click
    Picture, // a sunken box around an image at its natural size; the caption names the image
    TextBox,
    Option,
    Button,
};

enum class Initially {
    AsBuilt,
    Hidden,
    Checked,
};

// No face: the toolkit's default font for the window.
struct FontStyle
{
    const char *face = nullptr;
    double points;
    bool bold = false;
    bool underline = false;
};

// The dialog face of the system these windows come from.
inline constexpr FontStyle kClassicDialogFont { "MS Sans Serif", 8.25 };

// One control as it stands before any event runs. A colour of 0 (fully transparent) keeps the
// style's own; text is drawn in the window-text colour unless given.
struct ControlRow
{
    const char *name;
    ControlKind kind;
    const char *caption;
    TwipRect twips;
    FontStyle font;
    QRgb text = 0;
    QRgb background = 0;
    bool centred = false;
    Initially initially = Initially::AsBuilt;
    // What a screen reader says where the caption says nothing useful.
    const char *accessibleName = nullptr;
    bool isDefault = false; // the button that Enter presses
};

struct LineRow
{
    const char *name;
    QPoint from;
    QPoint to;
};

struct WindowLayout
{
    const char *title;
    TwipRect clientArea;
    FontStyle font;
    QRgb background; // 0: the style's own
    QRgb lineColour;
    std::span<const ControlRow> controls;
    std::span<const LineRow> lines;
    std::span<const char *const> tabOrder; // the controls that take the focus, in order
};

} // namespace selmak::ui
