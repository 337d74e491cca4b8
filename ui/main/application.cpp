// SPDX-License-Identifier: MIT
#include "ui/main/application.h"

#include "ui/main/app_identity.h"
#include "ui/main/fonts.h"

#include <QApplication>
#include <QIcon>

namespace selmak::ui {

void setUpApplication()
{
    QApplication::setApplicationName(kApplicationName);
    QApplication::setApplicationVersion(kApplicationVersion);
    QApplication::setOrganizationName(kOrganizationName);
    QGuiApplication::setDesktopFileName(kDesktopId);
    // The images are decoded only when a size is first asked for.
    QIcon icon;
    for (int size : { 16, 32, 48, 128 })
        icon.addFile(
            QStringLiteral(":/icons/hicolor/%1x%1/apps/example.tarvis.selmak.png").arg(size));
    QApplication::setWindowIcon(icon);
    substituteMissingFaces();
}

} // namespace selmak::ui
