// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace selmak::ui {

// Where the list window asks which file to open and where to save, injectable so that tests never
// open a real dialog. Each returns the path chosen, or an empty one when the user cancels.
struct FileDialogs
{
    std::function<QString(QWidget *parent)> openName;
    std::function<QString(QWidget *parent, const QString &suggested)> saveName;
};

// Qt's standard file dialogs.
FileDialogs standardFileDialogs();

} // namespace selmak::ui
