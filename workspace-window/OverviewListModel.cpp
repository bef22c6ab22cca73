#include "workspace-window/OverviewListModel.h"
#include "common/AmountText.h"

void OverviewListModel::setTable(const OverviewTable& table) {
    beginResetModel();
    m_table = table;
    endResetModel();
}

int OverviewListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int OverviewListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.headers.size());
}

QVariant OverviewListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_table.rows.size())
        return {};
    const QVariant& value = m_table.rows.at(index.row()).at(index.column());
    const bool amount = value.typeId() == QMetaType::Double;
    if (role == Qt::DisplayRole)
        return amount ? amountText(value) : value.toString();
    if (role == Qt::TextAlignmentRole && amount)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant OverviewListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole &&
        section < m_table.headers.size())
        return m_table.headers.at(section);
    return {};
}
