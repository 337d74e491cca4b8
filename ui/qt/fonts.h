// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <QFont>

namespace selmak::ui {

// The window names Windows faces. Where one is missing, this process takes a metric-compatible
// face with Cyrillic glyphs in its place; the system's own font set is left alone.
void substituteMissingFaces();

// The font for a face, size and style of a layout table.
QFont toFont(const forms::FontStyle &style);

// Makes the classic 8.25 pt dialog face the default for text that sets no font.
void useClassicDialogFont();

} // namespace selmak::ui
