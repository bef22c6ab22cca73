#include "tools/store-migrate/FolderCompanies.h"
#include "common/WorkFolder.h"
#include "companies/CompanyLock.h"
#include "store/StoreFailure.h"
#include "store/TableSchema.h"
#include "store/TdmTables.h"
#include "tools/store-migrate/FolderTable.h"

#include <QDir>
#include <QSqlQuery>

namespace {
// The tax numbers of the register's companies; none when there is no register yet.
QStringList registerCompanies() {
    const QString path =
        QStringLiteral("Tables/") + TableSchema::byName(QStringLiteral("Comps")).fileName;
    if (!WorkFolder::exists(path))
        return {};
    FolderTable comps(path);
    QSqlQuery query(comps.db());
    const QString sql = QStringLiteral("SELECT \"AFM\" FROM \"Comps\" ORDER BY \"AFM\"");
    if (!query.exec(sql))
        throw StoreError(storeFailureText(query.lastError(), sql));
    QStringList afms;
    while (query.next())
        afms << query.value(0).toString();
    return afms;
}
} // namespace

QString FolderCompanies::leftBehind(const QStringList& tableFiles) {
    for (const QString& afm : registerCompanies()) {
        for (const TableDef& def : TableSchema::all()) {
            if (def.templateFolder != QLatin1String("ClrData"))
                continue;
            const QString path = TdmTables::companyTablePath(afm, def.name)
                                     .replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (!tableFiles.contains(path, Qt::CaseInsensitive))
                return QStringLiteral("Η εταιρεία ") + afm +
                       QStringLiteral(" του μητρώου δεν έχει τον πίνακα ") + path +
                       QStringLiteral(" στον φάκελο δεδομένων· η μεταφορά θα την άφηνε πίσω.");
        }
    }
    return QString();
}

QString FolderCompanies::openOne() {
    QStringList afms = registerCompanies();
    afms << QDir(WorkFolder::path(QStringLiteral("Data")))
                .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& afm : std::as_const(afms))
        if (WorkFolder::exists(CompanyLock::path(afm)))
            return QStringLiteral("Η εταιρεία ") + afm +
                   QStringLiteral(" είναι ανοικτή σε σταθμό εργασίας (") + CompanyLock::path(afm) +
                   QStringLiteral("). Κλείστε την σε κάθε σταθμό και ξεκινήστε ξανά τη μεταφορά· "
                                  "ό,τι γραφόταν στα αρχεία μετά θα έμενε πίσω.");
    return QString();
}
