#include "store/CursorGrid.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTimer>

CursorModel::CursorModel(TableCursor* cursor, const QList<GridColumn>& columns, QObject* parent)
    : QAbstractTableModel(parent), m_cursor(cursor), m_columns(columns) {
    connect(cursor, &TableCursor::reloaded, this, [this] {
        m_readFailed = false;
        beginResetModel();
        endResetModel();
    });
}

int CursorModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_cursor || !m_cursor->isOpen())
        return 0;
    return m_cursor->recordCount();
}

int CursorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CursorModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || !m_cursor || !m_cursor->isOpen())
        return {};
    const GridColumn& column = m_columns.at(index.column());
    try {
        const QVariant value = m_cursor->valueAt(index.row(), column.field);
        return column.format ? column.format(value) : value.toString();
    } catch (...) {
        reportReadFailure(currentFailureText());
        return {};
    }
}

void CursorModel::reportReadFailure(const QString& text) const {
    // Rows are read while the grid paints: the report waits until the painting is
    // over, and comes once for every cell that fails until the rows are read again.
    if (m_readFailed)
        return;
    m_readFailed = true;
    QTimer::singleShot(0, this, [text] { messages().showError(text); });
}

QVariant CursorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_columns.size())
        return {};
    return m_columns.at(section).heading;
}

void bindGrid(QTableView* view, TableCursor* cursor, const QList<GridColumn>& columns) {
    auto* model = new CursorModel(cursor, columns, view);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);

    auto selectCursorRow = [view, cursor] {
        if (!cursor->isOpen() || cursor->isEmpty())
            return;
        const QModelIndex current = view->model()->index(cursor->position(), 0);
        if (view->selectionModel()->currentIndex().row() != current.row())
            view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
    };
    QObject::connect(cursor, &TableCursor::scrolled, view, selectCursorRow);
    QObject::connect(model, &QAbstractItemModel::modelReset, view, selectCursorRow);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [cursor](const QModelIndex& current) {
                         // The move reads the cursor's details again; a failure there is
                         // reported and leaves the grid where the operator put it.
                         if (current.isValid() && cursor->isOpen() &&
                             cursor->state() == TableCursor::State::Browse &&
                             cursor->position() != current.row())
                             runGuarded([&] { cursor->moveTo(current.row()); });
                     });
    selectCursorRow();
}
