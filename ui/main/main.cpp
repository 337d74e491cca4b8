// SPDX-License-Identifier: MIT
#include "ui/main/app_identity.h"
#include "ui/main/fonts.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(selmak::ui::kApplicationName);
    QApplication::setApplicationVersion(selmak::ui::kApplicationVersion);
    QApplication::setOrganizationName(selmak::ui::kOrganizationName);
    QGuiApplication::setDesktopFileName(selmak::ui::kDesktopId);
    QIcon icon;
    for (int size : { 16, 32, 48, 128 })
        icon.addFile(
            QStringLiteral(":/icons/hicolor/%1x%1/apps/example.tarvis.selmak.png").arg(size));
    QApplication::setWindowIcon(icon);
    selmak::ui::substituteMissingFaces();

    selmak::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
