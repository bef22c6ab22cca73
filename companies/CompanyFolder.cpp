#include "companies/CompanyFolder.h"
#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "store/TableSchema.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {
const QStringList kCompanyTables = {QStringLiteral("Edra"), QStringLiteral("MistDilMast"),
                                    QStringLiteral("MistDilDet"), QStringLiteral("MistDilAkinita")};

QString backupStamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

// On a server the company's schema is renamed to the dated backup, beside its own name.
QString backupSchema(const QString& afm) {
    const QString folder = QStringLiteral("Data/") + afm;
    const QString stamp = backupStamp();
    QString name = QStringLiteral("Backup-") + stamp;
    for (int n = 2; TableStore::instance().exists(folder + QLatin1Char('/') + name +
                                                  QStringLiteral("/Edra.DB"));
         ++n)
        name = QStringLiteral("Backup-") + stamp + QLatin1Char('-') + QString::number(n);
    return TableStore::instance().moveAside(folder, name) ? folder + QLatin1Char('/') + name
                                                          : QString();
}
} // namespace

QString CompanyFolder::backupTables(const QString& afm) {
    if (TableStore::instance().isServer())
        return backupSchema(afm);
    const QString folder = WorkFolder::path(QStringLiteral("Data/") + afm);
    QStringList present;
    for (const QString& table : kCompanyTables) {
        const QString file = TableSchema::byName(table).fileName;
        if (QFile::exists(folder + QLatin1Char('/') + file))
            present << file;
    }
    if (present.isEmpty())
        return QString();
    const QString stamp = backupStamp();
    QString backup = folder + QStringLiteral("/Backup-") + stamp;
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup =
            folder + QStringLiteral("/Backup-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QDir().mkpath(backup))
        throw AppError(QStringLiteral("Δεν είναι δυνατή η δημιουργία του φακέλου ") + backup);
    for (const QString& file : present) {
        TableStore::instance().releaseFile(QStringLiteral("Data/") + afm + QLatin1Char('/') + file);
        if (!QFile::rename(folder + QLatin1Char('/') + file, backup + QLatin1Char('/') + file))
            throw AppError(QStringLiteral("Δεν είναι δυνατή η μεταφορά του αρχείου ") + file +
                           QStringLiteral(" στον φάκελο ") + backup);
    }
    return backup;
}

void CompanyFolder::make(const QString& afm) {
    const QString data = WorkFolder::path(QStringLiteral("Data"));
    if (!QFileInfo(data).isDir())
        throw AppError(QStringLiteral("Ο φάκελος ") + data + QStringLiteral(" δεν υπάρχει"));
    if (!QFileInfo(data + QLatin1Char('/') + afm).isDir() && !QDir(data).mkdir(afm))
        throw AppError(QStringLiteral("Δεν είναι δυνατή η δημιουργία του φακέλου ") + data +
                       QLatin1Char('/') + afm);
}

void CompanyFolder::createWithEmptyTables(const QString& afm) {
    make(afm);
    backupTables(afm);
    dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
}
