#include "companies/ToolLockHolder.h"
#include "common/ProcessPlatform.h"

#include <QCoreApplication>
#include <QList>
#include <QSysInfo>

namespace {
const QByteArray kToolWord = QByteArrayLiteral("tool");

// The machine as its system names it for good; its network name when it has no such name.
QString thisMachine() {
    const QByteArray id = QSysInfo::machineUniqueId();
    return id.isEmpty() ? QSysInfo::machineHostName() : QString::fromLatin1(id);
}
} // namespace

ToolLockHolder ToolLockHolder::thisProcess(const QString& program) {
    return {program, QCoreApplication::applicationPid(), thisMachine()};
}

std::optional<ToolLockHolder> ToolLockHolder::of(const QByteArray& lockFile) {
    const QList<QByteArray> lines = lockFile.split('\n');
    if (lines.size() < 2)
        return std::nullopt;
    const QList<QByteArray> words = lines.at(1).simplified().split(' ');
    bool numbered = false;
    const qint64 pid = words.value(2).toLongLong(&numbered);
    if (words.size() != 4 || words.at(0) != kToolWord || !numbered || pid <= 0)
        return std::nullopt;
    return ToolLockHolder{QString::fromUtf8(words.at(1)), pid, QString::fromUtf8(words.at(3))};
}

QByteArray ToolLockHolder::line() const {
    return kToolWord + ' ' + program.toUtf8() + ' ' + QByteArray::number(pid) + ' ' +
           machine.toUtf8() + "\r\n";
}

bool ToolLockHolder::hasEnded() const {
    if (machine != thisMachine())
        return false;
    return !ProcessPlatform::isRunning(pid) ||
           !ProcessPlatform::runsProgram(pid, program.toLocal8Bit());
}

QString ToolLockHolder::takenOverText(const QString& afm) const {
    return QStringLiteral("Η εταιρεία %1 είχε μείνει κλειδωμένη από το εργαλείο %2 (διεργασία %3), "
                          "που δεν εκτελείται πλέον σε αυτόν τον υπολογιστή. Το κλείδωμά του "
                          "αφαιρέθηκε και η εταιρεία κλειδώθηκε από εδώ.")
        .arg(afm, program)
        .arg(pid);
}
