#include "exports/WorkbookOpener.h"
#include "common/Settings.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

OpenCommand openCommandFor(const QString& setting, const QString& path) {
    QStringList words = QProcess::splitCommand(setting);
    if (words.isEmpty())
        return {};
    const QString program = words.takeFirst();
    return {program, words << path};
}

bool DesktopOpener::open(const QString& path) {
    const OpenCommand command =
        openCommandFor(Settings::folderValue(QStringLiteral("SpreadsheetOpenCommand"), {}), path);
    if (command.program.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return QProcess::startDetached(command.program, command.arguments);
}
