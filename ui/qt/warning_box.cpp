// SPDX-License-Identifier: MIT
#include "ui/qt/warning_box.h"

#include "ui/qt/app_identity.h"

#include <QMessageBox>

namespace selmak::ui {

std::unique_ptr<QMessageBox> makeWarningBox(QWidget *parent, const QString &text)
{
    return std::make_unique<QMessageBox>(QMessageBox::NoIcon, kApplicationName, text,
                                         QMessageBox::Ok, parent);
}

void showWarningBox(QWidget *parent, const QString &text)
{
    makeWarningBox(parent, text)->exec();
}

} // namespace selmak::ui
