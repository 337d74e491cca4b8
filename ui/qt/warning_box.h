// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

class QMessageBox;
class QString;
class QWidget;

namespace selmak::ui {

// Tells the user something and returns once they have read it.
using Notifier = std::function<void(QWidget *parent, const QString &text)>;

// A box with the text, one OK button and no icon, titled with the application's name; not shown.
std::unique_ptr<QMessageBox> makeWarningBox(QWidget *parent, const QString &text);

// Shows the warning box modally.
void showWarningBox(QWidget *parent, const QString &text);

} // namespace selmak::ui
