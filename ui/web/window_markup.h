// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"
#include "ui/web/markup.h"

#include <optional>
#include <span>
#include <string_view>

namespace selmak::web {

enum class Frame { Section, Dialog };

// What a window's form sets on loading, written into the page so that its first paint shows the
// window filled: a control's text, and whether it is enabled; and the address a hot spot opens,
// which makes it a real link.
struct Filled
{
    forms::ControlId control;
    std::optional<std::string_view> text {}; // none: the table's caption
    bool disabled = false;
    std::string_view address {};
};

// A window from its layout table, as the page holds it: a frame (a <section>, or a <dialog> with a
// close box) with a caption bar and a client area that holds every control of the table as a real
// HTML control, in the page's order (pageOrder), named by data-name; then the table's lines.
// Places and looks come from the style sheet that windowStyles writes for the same table.
void writeWindow(Markup &html, const forms::WindowLayout &layout, Frame frame,
                 std::span<const Filled> filled = {});

} // namespace selmak::web
