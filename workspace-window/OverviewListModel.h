#pragma once
// A read-only grid model over one table of the office overview: its headers and rows,
// amounts shown as the operator reads them and aligned right.

#include "workspace/OverviewTables.h"

#include <QAbstractTableModel>

class OverviewListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(const OverviewTable& table);
    const OverviewTable& table() const { return m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    OverviewTable m_table;
};
