// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QString;
class QWidget;

namespace selmak::ui {

// Tells the user something and returns once they have read it.
using Notifier = std::function<void(QWidget *parent, const QString &text)>;

// A modal box with the text, one OK button and no icon, titled with the application's name.
void showWarningBox(QWidget *parent, const QString &text);

} // namespace selmak::ui
