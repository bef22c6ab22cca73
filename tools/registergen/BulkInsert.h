#pragma once
// Inserting many records into one table file quickly: the records are grouped by the
// fields they hold, and each group goes in as one batch of a prepared statement. Meant
// to run inside a TableStore::Transaction, which makes the difference between seconds
// and minutes.

#include <QList>
#include <QString>
#include <QVariantMap>

namespace BulkInsert {
// Inserts one row per record into the table file (relative to the working folder);
// keys are field names. Fields a record does not hold stay null; an empty text is
// stored as empty text. StoreError on failure.
void insertRecords(const QString& tablePath, const QList<QVariantMap>& records);
} // namespace BulkInsert
