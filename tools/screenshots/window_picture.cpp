// SPDX-License-Identifier: MIT
#include "window_picture.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kFrame = 1;

QStyleOptionTitleBar titleBarOption(const QWidget *window, int width)
{
    QStyleOptionTitleBar option;
    option.initFrom(window);
    option.palette = QApplication::palette();
    option.state |= QStyle::State_Active;
    option.titleBarState = Qt::WindowActive;
    option.titleBarFlags = window->windowFlags();
    option.text = window->windowTitle();
    option.icon = window->windowIcon();
    option.subControls
        = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu | QStyle::SC_TitleBarCloseButton;
    option.rect = QRect(0, 0, width, 0);
    return option;
}

} // namespace

QImage windowPicture(QWidget *window, qreal scale)
{
    QStyle *style = window->style();
    QStyleOptionTitleBar titleBar = titleBarOption(window, window->width());
    const int titleHeight = style->pixelMetric(QStyle::PM_TitleBarHeight, &titleBar, window);
    titleBar.rect.setHeight(titleHeight);

    const QSize size(window->width() + 2 * kFrame, titleHeight + window->height() + 2 * kFrame);
    QImage picture(size * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(QApplication::palette().color(QPalette::Dark));

    QPainter painter(&picture);
    painter.translate(kFrame, kFrame);
    style->drawComplexControl(QStyle::CC_TitleBar, &titleBar, &painter, window);
    window->render(&painter, QPoint(0, titleHeight), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
    return picture;
}

QImage centredOver(const QImage &below, const QImage &above)
{
    QImage picture = below;
    QPainter painter(&picture);
    const QSizeF room = below.deviceIndependentSize() - above.deviceIndependentSize();
    painter.drawImage(QPointF(room.width() / 2, room.height() / 2), above);
    return picture;
}

QImage besideRight(const QImage &left, const QImage &right)
{
    const QSizeF first = left.deviceIndependentSize();
    const QSizeF second = right.deviceIndependentSize();
    const qreal scale = left.devicePixelRatio();
    const QSizeF size(first.width() + second.width(), std::max(first.height(), second.height()));
    QImage picture((size * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(QPointF(0, 0), left);
    painter.drawImage(QPointF(first.width(), 0), right);
    return picture;
}
