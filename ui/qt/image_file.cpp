// SPDX-License-Identifier: MIT
#include "ui/qt/image_file.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace selmak::ui {

QPixmap readImageFile(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

} // namespace selmak::ui
