// SPDX-License-Identifier: MIT
#include "ui/qt/hot_spot.h"

#include <QMouseEvent>

namespace selmak::ui {

HotSpot::HotSpot(QWidget *parent) : QLabel(parent) { }

void HotSpot::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void HotSpot::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void HotSpot::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

} // namespace selmak::ui
