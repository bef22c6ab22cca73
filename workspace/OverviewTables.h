#pragma once
// The office overview's three lists as tables: a title, column headers and rows, the same
// for the window and for the workbook. A cell is a QString, or a double for an amount.

#include "workspace/OfficeOverview.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

struct OverviewRowKey {
    QString afm;
    qlonglong dilCode = 0;
};

struct OverviewTable {
    QString title;
    QStringList headers;
    QList<QVariantList> rows;
    QList<OverviewRowKey> keys; // the owner and declaration of each row
};

namespace OverviewTables {
OverviewTable expiring(const OfficeOverview& overview);
OverviewTable unfinished(const OfficeOverview& overview);
OverviewTable unaccepted(const OfficeOverview& overview);
// The three in the window's order.
QList<OverviewTable> all(const OfficeOverview& overview);
} // namespace OverviewTables
