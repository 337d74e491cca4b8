// SPDX-License-Identifier: MIT
#include "ui/qt/list_table_model.h"

#include "forms/list_table.h"

namespace selmak::ui {
namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ListTableModel::ListTableModel(QObject *parent) : QAbstractTableModel(parent) { }

void ListTableModel::show(const forms::ListTable &table)
{
    beginResetModel();
    m_table = &table;
    endResetModel();
}

int ListTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table ? 0 : static_cast<int>(m_table->rowCount());
}

int ListTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table ? 0 : static_cast<int>(m_table->columnCount());
}

QVariant ListTableModel::data(const QModelIndex &index, int role) const
{
    if (!m_table || !index.isValid() || role != Qt::DisplayRole)
        return {};
    return fromUtf8(m_table->cell(static_cast<std::size_t>(index.row()),
                                  static_cast<std::size_t>(index.column())));
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!m_table || orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return fromUtf8(m_table->heading(static_cast<std::size_t>(section)));
}

} // namespace selmak::ui
