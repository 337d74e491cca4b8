// SPDX-License-Identifier: MIT
#pragma once

class QPixmap;
class QString;

namespace selmak::ui {

// The image in the file, read in the format that its name ends with. Left to find the format on
// its own, Qt's reader first asks every image plugin, loading them all.
QPixmap readImageFile(const QString &path);

} // namespace selmak::ui
