#include "tools/registergen/BulkInsert.h"
#include "store/StoreError.h"
#include "store/TableStore.h"
#include "tools/registergen/HeldTable.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// A null text would be bound as NULL; the field is meant to hold empty text.
QVariant bindable(const QVariant& value) {
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QVariant(QStringLiteral(""));
    return value;
}

// Records that hold the same fields, in the order they came.
struct Group {
    QStringList fields;
    QList<QVariantList> columns; // one list of values per field
};

QList<Group> groupByFields(const QList<QVariantMap>& records) {
    QList<Group> groups;
    QHash<QStringList, qsizetype> bySignature;
    for (const QVariantMap& record : records) {
        if (record.isEmpty())
            throw StoreError(QStringLiteral("Σφάλμα πίνακα: εγγραφή χωρίς πεδία"));
        const QStringList fields = record.keys();
        auto found = bySignature.constFind(fields);
        if (found == bySignature.constEnd()) {
            found = bySignature.insert(fields, groups.size());
            groups << Group{fields, QList<QVariantList>(fields.size())};
        }
        Group& group = groups[*found];
        qsizetype column = 0;
        for (auto it = record.cbegin(); it != record.cend(); ++it)
            group.columns[column++] << bindable(it.value());
    }
    return groups;
}

void insertGroup(const QString& table, const Group& group) {
    QStringList names, marks;
    for (const QString& field : group.fields) {
        names << QLatin1Char('"') + field + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
                        names.join(QLatin1Char(',')) + QStringLiteral(") VALUES (") +
                        marks.join(QLatin1Char(',')) + QLatin1Char(')');
    // The store prepares the statement with the first record; the rest go in as a batch
    // of the same statement.
    QVariantList first;
    for (const QVariantList& column : group.columns)
        first << column.first();
    QSqlQuery query = TableStore::instance().exec(sql, first);
    const qsizetype rows = group.columns.first().size();
    if (rows == 1)
        return;
    for (qsizetype i = 0; i < group.columns.size(); ++i)
        query.bindValue(int(i), group.columns.at(i).mid(1));
    if (!query.execBatch())
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: ") + query.lastError().databaseText() +
                         QStringLiteral("\n[") + sql + QLatin1Char(']'));
}
} // namespace

void BulkInsert::insertRecords(const QString& tablePath, const QList<QVariantMap>& records) {
    const HeldTable held(tablePath);
    const QString table = held.qualifiedName();
    for (const Group& group : groupByFields(records))
        insertGroup(table, group);
}
