// SPDX-License-Identifier: MIT
// The floor for startup_bench: a bare widget of the main window's size, shown and painted once.
// With --with-text it also shows one line in one of the window's faces: the least that any window
// with text pays for the font database and a face.
#include "first_paint.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(613, 423);
    if (QApplication::arguments().contains(QStringLiteral("--with-text"))) {
        auto *label = new QLabel(QStringLiteral("Подбор контакторов"), &window);
        label->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        label->move(16, 16);
    }
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
