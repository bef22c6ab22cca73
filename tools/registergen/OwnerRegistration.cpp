#include "tools/registergen/OwnerRegistration.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tools/registergen/HeldTable.h"

namespace {
const QString kCompsPath = QStringLiteral("Tables\\Comps.db");

void upsert(const QString& tablePath, const QString& sqlTail, const QVariantList& values) {
    const HeldTable held(tablePath);
    TableStore::instance().exec(QStringLiteral("INSERT INTO ") + held.qualifiedName() + sqlTail,
                                values);
}
} // namespace

void registerOwner(const QString& afm, const QString& name, const QString& operatorName) {
    dmTables().EnsureSharedTables();
    TableStore::Transaction transaction;
    upsert(kCompsPath,
           QStringLiteral(" (AFM, CompName, UserName) VALUES (?, ?, ?) ON CONFLICT(AFM) DO UPDATE "
                          "SET CompName = excluded.CompName, UserName = excluded.UserName"),
           {afm, name, operatorName});
    upsert(TdmTables::companyTablePath(afm, QStringLiteral("Edra")),
           QStringLiteral(" (AFM, BigName) VALUES (?, ?) ON CONFLICT(AFM) DO UPDATE "
                          "SET BigName = excluded.BigName"),
           {afm, name});
    transaction.commit();
}
