#include "exports/WorkbookOpener.h"
#include "common/Settings.h"
#include "exports/OpenerPlatform.h"

#include <QProcess>

namespace {
// How long an opener may take to fail: one that still runs then shows the file.
constexpr int kOpenerWaitMs = 3000;
} // namespace

OpenCommand openCommandFor(const QString& setting, const QString& path) {
    QStringList words = QProcess::splitCommand(setting);
    if (words.isEmpty())
        return {};
    const QString program = words.takeFirst();
    return {program, words << path};
}

bool DesktopOpener::open(const QString& path) {
    OpenCommand command =
        openCommandFor(Settings::folderValue(QStringLiteral("SpreadsheetOpenCommand"), {}), path);
    if (command.program.isEmpty())
        command = OpenerPlatform::desktopOpener(path);
    return OpenerPlatform::startOpener(command, kOpenerWaitMs);
}
