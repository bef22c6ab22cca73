#include "workspace/StoredCounts.h"
#include "common/ErrorReport.h"
#include "companies/CurrentCompany.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

#include <optional>

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
// The number as a whole number; nothing for another text.
std::optional<qlonglong> wholeNumber(const QString& text) {
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qlonglong>(number) : std::nullopt;
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

bool StoredDeclarations::IsDeclarationStored(const QString& dilCode) {
    const std::optional<qlonglong> number = wholeNumber(dilCode);
    return number && countRows(QStringLiteral("SELECT  DilCode  from '") + mastPath() +
                               QStringLiteral("' where DilCode = ") + QString::number(*number)) > 0;
}

bool StoredDeclarations::IsAmendmentStored(const QString& dilCode, const QString& tropDilCode) {
    const std::optional<qlonglong> initial = wholeNumber(dilCode);
    const std::optional<qlonglong> amending = wholeNumber(tropDilCode);
    return initial && amending &&
           countRows(QStringLiteral("SELECT  TropDilCode  from '") + detPath() +
                     QStringLiteral("' where DilCode = ") + QString::number(*initial) +
                     QStringLiteral(" and TropDilCode = ") + QString::number(*amending)) > 0;
}

bool StoredDeclarations::HoldsTemporarilySaved() {
    const QString where = QStringLiteral("' where StadioYpovolis = 'Προσωρινά Αποθηκευμένο'");
    return countRows(QStringLiteral("SELECT  DilCode  from '") + mastPath() + where) > 0 ||
           countRows(QStringLiteral("SELECT  DilCode  from '") + detPath() + where) > 0;
}

void StoredDeclarations::DeleteTemporarilySaved() {
    const QString mast = mastPath();
    const QString det = detPath();
    const QString akinita = akinitaPath();
    const QList<QStringList> statements = {
        {QStringLiteral("DELETE From '") + akinita + QStringLiteral("'"),
         QStringLiteral(" Where DilCode in (Select DilCode from  '") + mast + QStringLiteral("'"),
         QStringLiteral("                   Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο')")},
        {QStringLiteral("DELETE From '") + det + QStringLiteral("'"),
         QStringLiteral(" Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο'")},
        {QStringLiteral("DELETE From '") + mast + QStringLiteral("'"),
         QStringLiteral(" Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο'")}};
    {
        TableStore::Transaction transaction;
        for (const QStringList& lines : statements) {
            StoreQuery query;
            for (const QString& line : lines)
                query.addLine(line);
            query.execSql();
        }
        transaction.commit();
    }
    TdmTables& tables = dmTables();
    for (TableCursor* cursor :
         {&tables.tblMistDilMast, &tables.tblMistDilDet, &tables.tblMistDilAkinita})
        if (cursor->isOpen())
            cursor->refresh();
}

void StoredDeclarations::ClearFilterMarks() {
    StoreQuery q;
    q.setSql(QStringLiteral("Update  '") + mastPath() + QStringLiteral("'") +
             QStringLiteral(" SET FilterField = 0"));
    q.execSql();
}
