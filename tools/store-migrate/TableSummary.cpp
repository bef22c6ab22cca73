#include "tools/store-migrate/TableSummary.h"
#include "store/StoreError.h"
#include "store/StoreFailure.h"
#include "store/TableSchema.h"

#include <QCryptographicHash>
#include <QSqlQuery>

namespace {
// The fields, texts as the bytes stored: a text that the folder's file holds in another
// encoding than the server's must not compare equal once both are decoded.
QString fieldList(const QSqlDatabase& db, const TableDef& def) {
    const bool folder = db.driverName() == QLatin1String("QSQLITE");
    QStringList names;
    for (const FieldDef& f : def.fields) {
        const QString name = QLatin1Char('"') + f.name + QLatin1Char('"');
        if (f.type != FieldType::Text)
            names << name;
        else if (folder)
            names << QStringLiteral("CAST(") + name + QStringLiteral(" AS BLOB)");
        else
            names << QStringLiteral("convert_to(") + name + QStringLiteral(", 'UTF8')");
    }
    return names.join(QStringLiteral(", "));
}

QByteArray spelling(const QVariant& value, FieldType type) {
    if (value.isNull())
        return QByteArrayLiteral("\x01");
    switch (type) {
    case FieldType::Integer:
        return QByteArray::number(value.toLongLong());
    case FieldType::Amount:
        return QByteArray::number(value.toDouble(), 'g', 17);
    case FieldType::Text:
        break;
    }
    return value.toByteArray();
}
} // namespace

TableSummary summarise(QSqlDatabase db, const QString& qualifiedName, const TableDef& def) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT ") + fieldList(db, def) + QStringLiteral(" FROM ") +
                        qualifiedName + QStringLiteral(" ORDER BY rowid");
    if (!query.exec(sql))
        throw StoreError(storeFailureText(query.lastError(), sql));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    TableSummary summary;
    while (query.next()) {
        for (int i = 0; i < def.fields.size(); ++i) {
            hash.addData(spelling(query.value(i), def.fields.at(i).type));
            hash.addData(QByteArrayView("\x1f", 1));
        }
        hash.addData(QByteArrayView("\x1e", 1));
        ++summary.rows;
    }
    summary.checksum = hash.result().toHex();
    return summary;
}
