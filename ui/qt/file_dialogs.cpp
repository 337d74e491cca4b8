// SPDX-License-Identifier: MIT
#include "ui/qt/file_dialogs.h"

#include <QFileDialog>

namespace selmak::ui {

FileDialogs standardFileDialogs()
{
    return {
        [](QWidget *parent) {
            return QFileDialog::getOpenFileName(
                parent, QStringLiteral("Открыть список"), QString(),
                QStringLiteral("Списки и таблицы (*.csv *.txt *.tsv);;Все файлы (*)"));
        },
        [](QWidget *parent, const QString &suggested) {
            return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить"), suggested,
                                                QStringLiteral("CSV (*.csv)"));
        },
    };
}

} // namespace selmak::ui
