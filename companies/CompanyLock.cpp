#include "companies/CompanyLock.h"
#include "common/WorkFolder.h"
#include "companies/ServerLock.h"
#include "companies/ToolLockHolder.h"
#include "store/TableStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <optional>

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

std::optional<QByteArray> readAll(const QString& file) {
    QFile existing(file);
    if (!existing.open(QIODevice::ReadOnly))
        return std::nullopt;
    return existing.readAll();
}

bool createLockFile(const QString& file, const QByteArray& content) {
    QFile created(file);
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    created.write(content);
    created.close();
    return true;
}

// Removes a lock file that still holds the bytes read before. It is moved aside first
// and compared there, so that a lock that another process took in the meantime is put
// back and not removed.
bool removeLeftOver(const QString& file, const QByteArray& leftOver) {
    const QString aside = file + QLatin1Char('.') + QUuid::createUuid().toString(QUuid::Id128);
    if (!QFile::rename(file, aside))
        return false;
    if (readAll(aside) == leftOver)
        return QFile::remove(aside);
    QFile::rename(aside, file);
    return false;
}

// Creates the lock file with its content, taking over a lock that a tool of this
// machine left behind.
CompanyLock::Outcome createOrTakeOver(const QString& afm, const QString& id,
                                      const QByteArray& content, QString* takenOver) {
    const QString file = WorkFolder::path(CompanyLock::path(afm));
    if (createLockFile(file, content))
        return CompanyLock::Outcome::Acquired;
    const CompanyLock::Holder holder = fileHolder(afm, id);
    // No lock there, yet none could be made: the folder takes no file, or is missing.
    if (holder == CompanyLock::Holder::Nobody && QFileInfo(file).dir().exists())
        return CompanyLock::Outcome::NotWritable;
    if (holder != CompanyLock::Holder::Other)
        return outcomeOf(holder);
    const std::optional<QByteArray> leftOver = readAll(file);
    const std::optional<ToolLockHolder> tool =
        leftOver ? ToolLockHolder::of(*leftOver) : std::nullopt;
    if (!tool || !tool->hasEnded() || !removeLeftOver(file, *leftOver) ||
        !createLockFile(file, content))
        return outcomeOf(fileHolder(afm, id));
    if (takenOver)
        *takenOver = tool->takenOverText(afm);
    return CompanyLock::Outcome::TakenOver;
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

CompanyLock::Outcome CompanyLock::acquire(const QString& afm, const QString& installationId,
                                          QString* takenOver) {
    if (TableStore::instance().isServer())
        return acquireOnServer(afm, installationId);
    return createOrTakeOver(afm, installationId, (installationId + QStringLiteral("\r\n")).toUtf8(),
                            takenOver);
}

CompanyLock::Outcome CompanyLock::acquireForTool(const QString& afm, const QString& runId,
                                                 const QString& program, QString* takenOver) {
    if (TableStore::instance().isServer())
        return acquireOnServer(afm, runId);
    return createOrTakeOver(afm, runId,
                            (runId + QStringLiteral("\r\n")).toUtf8() +
                                ToolLockHolder::thisProcess(program).line(),
                            takenOver);
}

QString CompanyLock::notWritableMessage(const QString& afm) {
    return QStringLiteral("Ο φάκελος της εταιρείας %1 δεν δέχεται εγγραφές (είναι μόνο για "
                          "ανάγνωση ή δεν έχετε δικαίωμα εγγραφής σε αυτόν). Η εταιρεία δεν "
                          "μπορεί να ανοίξει για επεξεργασία.")
        .arg(QDir::toNativeSeparators(WorkFolder::path(QStringLiteral("Data/") + afm)));
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
