// SPDX-License-Identifier: MIT
#include "ui/main/warning_box.h"

#include "ui/main/app_identity.h"

#include <QMessageBox>

namespace selmak::ui {

void showWarningBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationName, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace selmak::ui
