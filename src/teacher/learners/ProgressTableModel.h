#pragma once

#include "reports/ProgressTables.h"

#include <QAbstractTableModel>

namespace lumari {

// A progress table for a table view: each cell's text shown, its sort key
// under Qt::UserRole, numbers aligned right.
class ProgressTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(ProgressTable table);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ProgressTable table_;
};

}  // namespace lumari
