#include "updates/StartupCheck.h"
#include "common/ErrorReport.h"
#include "common/WorkFolder.h"

#include <QDir>
#include <QSaveFile>

bool StartupCheck::isSwitchedOff() {
    return WorkFolder::exists(kMarkerFile);
}

void StartupCheck::switchOff() {
    QSaveFile file(WorkFolder::path(kMarkerFile));
    const QByteArray line("NOT OK\r\n");
    if (!file.open(QIODevice::WriteOnly) || file.write(line) != line.size() || !file.commit())
        throw AppError(QStringLiteral("Δεν ήταν δυνατή η δημιουργία του αρχείου ") +
                       QDir::toNativeSeparators(file.fileName()) + QStringLiteral(" : ") +
                       file.errorString());
}
