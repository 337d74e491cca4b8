// SPDX-License-Identifier: MIT
#pragma once

#include "forms/twips.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>

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
    TextArea, // a text box of many lines, which scrolls both ways and keeps its lines unwrapped
    DropDown, // a drop-down list to pick one line from: no text of its own can be typed
    Table, // a table of rows and columns that the form's model holds; only what is in view is drawn
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

// How many controls a window has: each window's layout header says so of the enum that names its
// controls (MainControl, AboutControl, FindControl), one enumerator a row of its table, in order.
template<typename Id> inline constexpr std::size_t kControlCount = 0;

template<typename Id>
concept WindowControl = std::is_enum_v<Id> &&(kControlCount<Id> > 0);

// A control of a window: an enumerator of the window's enum, whose value is its row's place in the
// window's table. The table, the forms and every front-end name controls this way, so that a
// control the table lacks does not compile; the rows' names are only for the toolkits' object
// names and for whatever finds a control from outside.
struct ControlId
{
    // Implicit, so that a table names a control by its enumerator alone.
    template<WindowControl Id> constexpr ControlId(Id id) : index(static_cast<std::size_t>(id)) { }

    // The control of the row at that place, for code that goes through any window's rows.
    static constexpr ControlId at(std::size_t place) { return ControlId(place); }

    std::size_t index;

    friend constexpr bool operator==(ControlId, ControlId) = default;

private:
    explicit constexpr ControlId(std::size_t place) : index(place) { }
};

// One control as it stands before any event runs. Without a colour a control keeps its style's
// own: text in the window-text colour, the background of the window or of a text box.
struct ControlRow
{
    ControlId id;
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
    int maxLength = 0; // the most characters a text box takes; 0: no limit
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
    std::span<const ControlId> tabOrder; // the controls that take the focus, in order
};

constexpr const ControlRow &rowOf(const WindowLayout &layout, ControlId id)
{
    return layout.controls[id.index];
}

// The button that Enter presses anywhere in the window, and the one that Esc and the close box
// press; none where the table marks none.
std::optional<ControlId> defaultButton(const WindowLayout &layout);
std::optional<ControlId> cancelButton(const WindowLayout &layout);

// True when the rows are those of the window's enum, one each and in its order: so a row's place
// is its control's id. Each layout checks its own table at compile time.
template<WindowControl Id, std::size_t N>
constexpr bool rowsFollow(const std::array<ControlRow, N> &rows)
{
    if (N != kControlCount<Id>)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].id.index != i)
            return false;
    }
    return true;
}

} // namespace selmak::forms
