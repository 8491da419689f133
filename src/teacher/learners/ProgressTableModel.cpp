#include "teacher/learners/ProgressTableModel.h"

namespace lumari {

void ProgressTableModel::SetTable(ProgressTable table)
{
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ProgressTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(table_.rows.size()); }

int ProgressTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(table_.headers.size()); }

QVariant ProgressTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return QVariant();
    const auto& row = table_.rows[std::size_t(index.row())];
    if (std::size_t(index.column()) >= row.size()) return QVariant();
    const TableCell& cell = row[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: return cell.text;
    case Qt::UserRole: return cell.sortKey;
    case Qt::TextAlignmentRole: {
        const bool number = std::size_t(index.column()) < table_.numeric.size() && table_.numeric[std::size_t(index.column())];
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default: return QVariant();
    }
}

QVariant ProgressTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < table_.headers.size()) return table_.headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace lumari
