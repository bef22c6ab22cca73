#include "companies/CompanyLock.h"
#include "common/WorkFolder.h"

#include <QFile>

QString CompanyLock::path(const QString& afm) {
    return QStringLiteral("Data\\") + afm + QStringLiteral("\\InUse.lck");
}

CompanyLock::Outcome CompanyLock::acquire(const QString& afm, const QString& installationId) {
    const QString file = WorkFolder::path(path(afm));
    QFile created(file);
    if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        created.write((installationId + QStringLiteral("\r\n")).toUtf8());
        created.close();
        return Outcome::Acquired;
    }
    QFile existing(file);
    if (!existing.exists() || !existing.open(QIODevice::ReadOnly))
        return Outcome::Unreadable;
    const QString firstLine = QString::fromUtf8(existing.readLine()).trimmed();
    return firstLine == installationId ? Outcome::AlreadyOurs : Outcome::HeldByOther;
}

void CompanyLock::release(const QString& afm) {
    if (!afm.isEmpty())
        QFile::remove(WorkFolder::path(path(afm)));
}
