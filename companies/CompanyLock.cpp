#include "companies/CompanyLock.h"
#include "common/WorkFolder.h"
#include "companies/ServerLock.h"
#include "store/TableStore.h"

#include <QFile>
#include <QFileInfo>

namespace {
bool lockFileThere(const QString& afm) {
    return QFileInfo::exists(WorkFolder::path(CompanyLock::path(afm)));
}

CompanyLock::Holder fileHolder(const QString& afm, const QString& installationId) {
    const QString file = WorkFolder::path(CompanyLock::path(afm));
    if (!QFileInfo::exists(file))
        return CompanyLock::Holder::Nobody;
    QFile existing(file);
    if (!existing.open(QIODevice::ReadOnly))
        return CompanyLock::Holder::Unreadable;
    const QString firstLine = QString::fromUtf8(existing.readLine()).trimmed();
    return firstLine == installationId ? CompanyLock::Holder::This : CompanyLock::Holder::Other;
}

CompanyLock::Outcome outcomeOf(CompanyLock::Holder holder) {
    switch (holder) {
    case CompanyLock::Holder::This:
        return CompanyLock::Outcome::AlreadyOurs;
    case CompanyLock::Holder::Other:
        return CompanyLock::Outcome::HeldByOther;
    // Nobody: the file could not be created, yet is not there: a folder that is missing.
    case CompanyLock::Holder::Nobody:
    case CompanyLock::Holder::Unreadable:
        break;
    }
    return CompanyLock::Outcome::Unreadable;
}

// On a server the lock is the connection's; a lock file left from the folder store
// is still honoured.
CompanyLock::Outcome acquireOnServer(const QString& afm, const QString& installationId) {
    if (lockFileThere(afm))
        return outcomeOf(fileHolder(afm, installationId));
    const bool ours = ServerLock::holder(afm) == ServerLock::Holder::This;
    if (!ServerLock::take(afm))
        return CompanyLock::Outcome::HeldByOther;
    return ours ? CompanyLock::Outcome::AlreadyOurs : CompanyLock::Outcome::Acquired;
}
} // namespace

QString CompanyLock::path(const QString& afm) {
    return QStringLiteral("Data\\") + afm + QStringLiteral("\\InUse.lck");
}

CompanyLock::Outcome CompanyLock::acquire(const QString& afm, const QString& installationId) {
    if (TableStore::instance().isServer())
        return acquireOnServer(afm, installationId);
    QFile created(WorkFolder::path(path(afm)));
    if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        created.write((installationId + QStringLiteral("\r\n")).toUtf8());
        created.close();
        return Outcome::Acquired;
    }
    return outcomeOf(fileHolder(afm, installationId));
}

CompanyLock::Holder CompanyLock::holder(const QString& afm, const QString& installationId) {
    if (!TableStore::instance().isServer() || lockFileThere(afm))
        return fileHolder(afm, installationId);
    switch (ServerLock::holder(afm)) {
    case ServerLock::Holder::This:
        return Holder::This;
    case ServerLock::Holder::Other:
        return Holder::Other;
    case ServerLock::Holder::Nobody:
        break;
    }
    return Holder::Nobody;
}

void CompanyLock::release(const QString& afm, const QString& installationId) {
    if (afm.isEmpty())
        return;
    if (TableStore::instance().isServer())
        ServerLock::release(afm);
    if (fileHolder(afm, installationId) == Holder::This)
        QFile::remove(WorkFolder::path(path(afm)));
}
