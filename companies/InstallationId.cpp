#include "companies/InstallationId.h"
#include "common/Settings.h"

#include <QSysInfo>
#include <QUuid>

namespace {
const QString kGroup = QStringLiteral("Installation");
const QString kId = QStringLiteral("Id");
const QString kMachine = QStringLiteral("Machine");
// Names the identifiers derived here, so that they differ from any other UUID made of
// the same texts.
const QUuid kNamespace(QStringLiteral("6f1d3c52-8a0e-4d47-9b1e-2f6c5a9e7d31"));

// What the settings keep of a machine: its identifier is not written out as it is.
QString markOf(const QString& machine) {
    return QUuid::createUuidV5(kNamespace, machine).toString(QUuid::WithoutBraces);
}
} // namespace

QString InstallationIdOn(const QString& machine) {
    const QString mark = markOf(machine);
    if (Settings::userValue(kGroup, kId).isEmpty()) {
        Settings::setUserValue(kGroup, kId, QUuid::createUuid().toString(QUuid::WithoutBraces));
        Settings::setUserValue(kGroup, kMachine, mark);
    } else if (Settings::userValue(kGroup, kMachine).isEmpty()) {
        Settings::setUserValue(kGroup, kMachine, mark);
    }
    // Read back: of two machines that wrote at once, the one whose writing stayed keeps it.
    const QString id = Settings::userValue(kGroup, kId);
    if (Settings::userValue(kGroup, kMachine) == mark)
        return id;
    return QUuid::createUuidV5(kNamespace, id + QLatin1Char('/') + machine)
        .toString(QUuid::WithoutBraces);
}

QString MachineId() {
    const QByteArray id = QSysInfo::machineUniqueId();
    return id.isEmpty() ? QSysInfo::machineHostName() : QString::fromLatin1(id);
}

QString InstallationId() {
    static const QString id = InstallationIdOn(MachineId());
    return id;
}
