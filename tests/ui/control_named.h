// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>
#include <QWidget>

// A window's control by its row's name, as the class its row's kind makes; a control missing
// stops the test.
template<typename T> T *child(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}
