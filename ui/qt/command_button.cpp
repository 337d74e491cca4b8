// SPDX-License-Identifier: MIT
#include "ui/qt/command_button.h"

#include <QKeyEvent>

namespace selmak::ui {

CommandButton::CommandButton(const QString &text, QWidget *parent) : QPushButton(text, parent) { }

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A default button already takes Enter itself.
    if (enter && !isDefault() && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace selmak::ui
