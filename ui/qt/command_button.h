// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace selmak::ui {

// A push button that Enter presses while it has the focus, as Space does; without being any
// window's default, so Enter elsewhere presses nothing.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace selmak::ui
