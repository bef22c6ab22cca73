#include "workspace/StoredCounts.h"
#include "common/ErrorReport.h"
#include "companies/CurrentCompany.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

namespace {
QString pathOf(const QString& table) {
    return TdmTables::companyTablePath(CurrentCompany().AFM, table);
}

int countRows(const QString& sql) {
    StoreQuery q;
    q.setSql(sql);
    q.open();
    return q.recordCount();
}
} // namespace

QString StoredDeclarations::mastPath() {
    return pathOf(QStringLiteral("MistDilMast"));
}
QString StoredDeclarations::detPath() {
    return pathOf(QStringLiteral("MistDilDet"));
}
QString StoredDeclarations::akinitaPath() {
    return pathOf(QStringLiteral("MistDilAkinita"));
}

int StoredDeclarations::CountSavedArxDils() {
    return countRows(QStringLiteral("SELECT  DilCode  from '") + mastPath() + QStringLiteral("'"));
}

int StoredDeclarations::CountSavedTropDils() {
    return countRows(QStringLiteral("SELECT  TropDilCode  from '") + detPath() +
                     QStringLiteral("'"));
}

QString StoredDeclarations::GetArxDilOfTrop(const QString& amendingNumber) {
    bool ok = false;
    const qlonglong number = amendingNumber.trimmed().toLongLong(&ok);
    if (!ok)
        throw AppError(QStringLiteral("Το '") + amendingNumber +
                       QStringLiteral("' δεν είναι έγκυρος ακέραιος αριθμός"));
    StoreQuery q;
    q.setSql(QStringLiteral("SELECT  DilCode  from '") + detPath() + QStringLiteral("'") +
             QStringLiteral(" where TropDilCode = ") + QString::number(number));
    q.open();
    if (q.recordCount() != 1)
        return QString();
    const qlonglong dilCode = q.value(0).toLongLong();
    return dilCode == 0 ? QString() : QString::number(dilCode);
}

void StoredDeclarations::ClearFilterMarks() {
    StoreQuery q;
    q.setSql(QStringLiteral("Update  '") + mastPath() + QStringLiteral("'") +
             QStringLiteral(" SET FilterField = 0"));
    q.execSql();
}

void StoredDeclarations::DeleteTemporarilySaved() {
    const QList<QStringList> statements = {
        {QStringLiteral("DELETE From '") + akinitaPath() + QStringLiteral("'"),
         QStringLiteral(" Where DilCode in (Select DilCode from  '") + mastPath() +
             QStringLiteral("'"),
         QStringLiteral("                   Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο')")},
        {QStringLiteral("DELETE From '") + detPath() + QStringLiteral("'"),
         QStringLiteral(" Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο'")},
        {QStringLiteral("DELETE From '") + mastPath() + QStringLiteral("'"),
         QStringLiteral(" Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο'")}};
    TableStore::Transaction transaction;
    for (const QStringList& lines : statements) {
        StoreQuery query;
        for (const QString& line : lines)
            query.addLine(line);
        query.execSql();
    }
    transaction.commit();
}
