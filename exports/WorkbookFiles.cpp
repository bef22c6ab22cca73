#include "exports/WorkbookFiles.h"
#include "common/ErrorReport.h"
#include "common/Settings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
const QFileDevice::Permissions kOwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QFileDevice::Permissions kOwnerFolder = kOwnerFile | QFileDevice::ExeOwner;

bool isWorkbookName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^Lethora-\\d{8}-\\d{6}-\\d+\\.xlsx$"));
    return pattern.match(name).hasMatch();
}
} // namespace

QString WorkbookFiles::folder() {
    const QString path = Settings::userFolder(QStringLiteral("Workbooks"));
    if (!QDir().mkpath(path) || !QFile::setPermissions(path, kOwnerFolder))
        throw AppError(QStringLiteral("Δεν ήταν δυνατή η δημιουργία του φακέλου «%1» για τα "
                                      "βιβλία εργασίας.")
                           .arg(QDir::toNativeSeparators(path)));
    return path;
}

QString WorkbookFiles::reserve(const QString& folder) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QDir dir(folder);
    for (int n = 1;; ++n) {
        const QString path = dir.filePath(QStringLiteral("Lethora-%1-%2.xlsx").arg(stamp).arg(n));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerFile))
            return path;
        if (!file.exists())
            throw AppError(QStringLiteral("Δεν ήταν δυνατή η εγγραφή του βιβλίου εργασίας στο "
                                          "αρχείο «%1»: ο φάκελος δεν επιτρέπει τη δημιουργία "
                                          "αρχείων.")
                               .arg(QDir::toNativeSeparators(path)));
    }
}

int WorkbookFiles::removeWrittenBefore(const QString& folder, const QDateTime& moment) {
    int removed = 0;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("Lethora-*.xlsx")}, QDir::Files);
    for (const QFileInfo& file : files)
        if (isWorkbookName(file.fileName()) && file.lastModified() < moment &&
            QFile::remove(file.filePath()))
            ++removed;
    return removed;
}

void WorkbookFiles::removeStale() {
    const QDateTime weekAgo = QDateTime::currentDateTime().addDays(-kKeptDays);
    removeWrittenBefore(Settings::userFolder(QStringLiteral("Workbooks")), weekAgo);
    removeWrittenBefore(QDir::tempPath(), weekAgo);
}
