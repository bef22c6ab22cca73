#include "companies/CompanyLock.h"
#include "common/WorkFolder.h"

#include <QFile>
#include <QFileInfo>

QString CompanyLock::path(const QString& afm) {
    return QStringLiteral("Data\\") + afm + QStringLiteral("\\InUse.lck");
}

CompanyLock::Outcome CompanyLock::acquire(const QString& afm, const QString& installationId) {
    QFile created(WorkFolder::path(path(afm)));
    if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        created.write((installationId + QStringLiteral("\r\n")).toUtf8());
        created.close();
        return Outcome::Acquired;
    }
    switch (holder(afm, installationId)) {
    case Holder::This:
        return Outcome::AlreadyOurs;
    case Holder::Other:
        return Outcome::HeldByOther;
    case Holder::Nobody: // could not be created, yet is not there: a folder that is missing
    case Holder::Unreadable:
        break;
    }
    return Outcome::Unreadable;
}

CompanyLock::Holder CompanyLock::holder(const QString& afm, const QString& installationId) {
    const QString file = WorkFolder::path(path(afm));
    if (!QFileInfo::exists(file))
        return Holder::Nobody;
    QFile existing(file);
    if (!existing.open(QIODevice::ReadOnly))
        return Holder::Unreadable;
    const QString firstLine = QString::fromUtf8(existing.readLine()).trimmed();
    return firstLine == installationId ? Holder::This : Holder::Other;
}

void CompanyLock::release(const QString& afm, const QString& installationId) {
    if (!afm.isEmpty() && holder(afm, installationId) == Holder::This)
        QFile::remove(WorkFolder::path(path(afm)));
}
