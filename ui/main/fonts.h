// SPDX-License-Identifier: MIT
#pragma once

namespace selmak::ui {

// The window names Windows faces. Where one is missing, this process takes a metric-compatible
// face with Cyrillic glyphs in its place; the system's own font set is left alone.
void substituteMissingFaces();

// Makes the classic 8.25 pt dialog face the default for text that sets no font.
void useClassicDialogFont();

} // namespace selmak::ui
