// SPDX-License-Identifier: MIT
// The floor for startup_bench: a bare widget of the main window's size, shown and painted once.
#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(613, 423);
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
