// SPDX-License-Identifier: MIT
// Starts exactly as the program does and exits after the main window's first paint. Time it
// against startup_floor: hyperfine -N build/bench/bench/startup_bench
// build/bench/bench/startup_floor
#include "first_paint.h"
#include "ui/qt/application.h"
#include "ui/qt/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    selmak::ui::setUpApplication();

    selmak::ui::MainWindow window;
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
