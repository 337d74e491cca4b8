// SPDX-License-Identifier: MIT
#pragma once

#include "forms/twips.h"

#include <cstdint>
#include <optional>
#include <span>

namespace selmak::forms {

struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class ControlKind {
    Label, // wraps its text at its width, as every label here does
    HotSpot, // a label that reacts to a click
    Picture, // a sunken box around an image at its natural size; the caption names the image
    TextBox,
    Option,
    Button,
    List, // a list box of lines the form fills; it scrolls when they do not fit
};

enum class Initially {
    AsBuilt,
    Hidden,
    Checked,
};

// No face: the front-end's default font for the window.
struct FontStyle
{
    const char *face = nullptr;
    double points = 0;
    bool bold = false;
    bool underline = false;
};

// The dialog face of the system these windows come from.
inline constexpr FontStyle kClassicDialogFont { .face = "MS Sans Serif", .points = 8.25 };

// One control as it stands before any event runs. Without a colour a control keeps its style's
// own: text in the window-text colour, the background of the window or of a text box.
struct ControlRow
{
    const char *name;
    ControlKind kind;
    const char *caption = ""; // UTF-8; for a picture, the image's path under resources/
    TwipRect twips; // left, top, width, height from the top-left corner of the client area
    FontStyle font {};
    std::optional<Rgb> text {};
    std::optional<Rgb> background {};
    bool centred = false;
    Initially initially = Initially::AsBuilt;
    // What a screen reader says where the caption says nothing useful.
    const char *accessibleName = nullptr;
    bool isDefault = false; // the button that Enter presses anywhere in the window
    bool isCancel = false; // the button that Esc presses anywhere in the window
};

struct LineRow
{
    const char *name;
    TwipPoint from;
    TwipPoint to;
};

struct WindowLayout
{
    const char *name;
    const char *title;
    TwipRect clientArea;
    FontStyle font;
    std::optional<Rgb> background {}; // none: the system's button face
    Rgb lineColour;
    std::span<const ControlRow> controls;
    std::span<const LineRow> lines;
    std::span<const char *const> tabOrder; // the controls that take the focus, in order
};

} // namespace selmak::forms
