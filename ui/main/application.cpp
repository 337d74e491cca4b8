// SPDX-License-Identifier: MIT
#include "ui/main/application.h"

#include "ui/main/app_identity.h"
#include "ui/main/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace selmak::ui {

void setUpApplication()
{
    QApplication::setApplicationName(kApplicationName);
    QApplication::setApplicationVersion(kApplicationVersion);
    QApplication::setOrganizationName(kOrganizationName);
    QGuiApplication::setDesktopFileName(kDesktopId);
    // The images are read as PNG, which Qt decodes itself. Left to find the format on its own,
    // the reader would ask every image plugin first, loading them all.
    QIcon icon;
    for (int size : { 16, 32, 48, 128 }) {
        QImageReader reader(
            QStringLiteral(":/icons/hicolor/%1x%1/apps/example.tarvis.selmak.png").arg(size),
            "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    QApplication::setWindowIcon(icon);
    substituteMissingFaces();
    useClassicDialogFont();
}

} // namespace selmak::ui
