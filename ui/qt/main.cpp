// SPDX-License-Identifier: MIT
#include "ui/qt/application.h"
#include "ui/qt/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    selmak::ui::setUpApplication();

    selmak::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
