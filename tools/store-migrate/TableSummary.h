#pragma once
// What the copy of a table is compared by: its row count and a checksum of every field
// of every row, read in the rows' own order. Whole numbers and amounts are summed in one
// spelling on either store, texts as the bytes stored, and an empty field differs from
// an empty text.

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

struct TableDef;

struct TableSummary {
    qint64 rows = 0;
    QByteArray checksum;
    bool operator==(const TableSummary&) const = default;
};

// Reads the table (qualifiedName on db) field by field, in the order of its row ids.
TableSummary summarise(QSqlDatabase db, const QString& qualifiedName, const TableDef& def);
