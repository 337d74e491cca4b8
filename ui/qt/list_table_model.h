// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

namespace selmak::forms {
class ListTable;
}

namespace selmak::ui {

// The list window's table as Qt's views read it: each cell asked of the form's table when it comes
// into view, so that a list of any length costs the view only its visible rows.
class ListTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ListTableModel(QObject *parent);

    // The table's rows, columns or cells have changed.
    void show(const forms::ListTable &table);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const forms::ListTable *m_table = nullptr;
};

} // namespace selmak::ui
