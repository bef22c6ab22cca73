#include "tools/registergen/RegisterWriter.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tools/registergen/BulkInsert.h"
#include "tools/registergen/HeldTable.h"

#include <QSqlRecord>

namespace {
QList<QVariantMap> readAll(const QString& afm, const QString& table, const QString& order) {
    const HeldTable held(TdmTables::companyTablePath(afm, table));
    QSqlQuery query =
        TableStore::instance().exec(QStringLiteral("SELECT * FROM ") + held.qualifiedName() +
                                    QStringLiteral(" ORDER BY ") + order);
    QList<QVariantMap> records;
    while (query.next()) {
        const QSqlRecord row = query.record();
        QVariantMap record;
        for (int i = 0; i < row.count(); ++i)
            if (!row.isNull(i))
                record.insert(row.fieldName(i), row.value(i));
        records << record;
    }
    return records;
}
} // namespace

void writeRegister(const RegisterDataSet& set, const QString& afm) {
    TableStore::Transaction transaction;
    BulkInsert::insertRecords(TdmTables::companyTablePath(afm, QStringLiteral("MistDilMast")),
                              set.declarations);
    BulkInsert::insertRecords(TdmTables::companyTablePath(afm, QStringLiteral("MistDilDet")),
                              set.amendments);
    BulkInsert::insertRecords(TdmTables::companyTablePath(afm, QStringLiteral("MistDilAkinita")),
                              set.properties);
    transaction.commit();
}

RegisterDataSet readRegister(const QString& afm) {
    RegisterDataSet set;
    set.ownerAfm = afm;
    set.declarations = readAll(afm, QStringLiteral("MistDilMast"), QStringLiteral("DilCode"));
    set.amendments =
        readAll(afm, QStringLiteral("MistDilDet"), QStringLiteral("DilCode, TropDilCode"));
    set.properties = readAll(afm, QStringLiteral("MistDilAkinita"), QStringLiteral("DilCode, AA"));
    return set;
}
