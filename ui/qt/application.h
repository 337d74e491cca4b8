// SPDX-License-Identifier: MIT
#pragma once

namespace selmak::ui {

// Gives the running application its name, version, desktop id, icon and font substitutes. Call
// once after the QApplication exists and before the first window is built.
void setUpApplication();

} // namespace selmak::ui
