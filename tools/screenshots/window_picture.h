// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

class QWidget;

// A top-level window drawn as a desktop shows it: a title bar with its title and close box above
// the window's own contents, in a thin frame. The scale draws it as on a screen of that many
// device pixels to the pixel, with the text laid out anew rather than enlarged.
QImage windowPicture(QWidget *window, qreal scale = 1.0);

// The second picture laid centred over the first, as a box opened over its window.
QImage centredOver(const QImage &below, const QImage &above);

// The second picture to the right of the first, tops level, as the find window opens beside the
// main window; what neither covers stays transparent.
QImage besideRight(const QImage &left, const QImage &right);
