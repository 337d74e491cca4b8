// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace selmak::ui {

// A label that reports a click: a press and a release of the left button, both on it. The second
// press of a double-click is a double-click, not another click.
class HotSpot : public QLabel
{
    Q_OBJECT

public:
    explicit HotSpot(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace selmak::ui
