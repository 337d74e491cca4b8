// SPDX-License-Identifier: MIT
#include "ui/qt/application.h"

#include "ui/qt/app_identity.h"
#include "ui/qt/fonts.h"
#include "ui/qt/image_file.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace selmak::ui {

void setUpApplication()
{
    QApplication::setApplicationName(kApplicationName);
    QApplication::setApplicationVersion(kApplicationVersion);
    QApplication::setOrganizationName(kOrganizationName);
    QGuiApplication::setDesktopFileName(kDesktopId);
    // Read as PNG, which Qt decodes itself: no image plugin is loaded at start-up.
    QIcon icon;
    for (int size : { 16, 32, 48, 128 })
        icon.addPixmap(readImageFile(
            QStringLiteral(":/icons/hicolor/%1x%1/apps/example.tarvis.selmak.png").arg(size)));
    QApplication::setWindowIcon(icon);
    substituteMissingFaces();
    useClassicDialogFont();
}

} // namespace selmak::ui
