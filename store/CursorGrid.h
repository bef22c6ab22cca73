#pragma once
// A read-only grid over a cursor: a table model of chosen fields with their headings,
// and the binding that keeps the grid's current row and the cursor's together.

#include "store/TableCursor.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <functional>

class QTableView;

struct GridColumn {
    QString field;
    QString heading;
    // How the field's value is shown; its text as stored when not set.
    std::function<QString(const QVariant&)> format = {};
};

class CursorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CursorModel(TableCursor* cursor, const QList<GridColumn>& columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    TableCursor* cursor() const { return m_cursor; }

private:
    // A row that cannot be read (a table removed, damaged or locked) shows empty and
    // the failure goes to the general error report.
    void reportReadFailure(const QString& text) const;

    QPointer<TableCursor> m_cursor;
    QList<GridColumn> m_columns;
    mutable bool m_readFailed = false;
};

// Shows the cursor in the view: whole-row selection, read-only; selecting a row moves
// the cursor there, and a move of the cursor selects its row. Store failures while the
// grid paints or moves go through the general error report.
void bindGrid(QTableView* view, TableCursor* cursor, const QList<GridColumn>& columns);
