// SPDX-License-Identifier: MIT
#include "ui/main/application.h"
#include "ui/main/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    selmak::ui::setUpApplication();

    selmak::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
