#include "exports/OpenerPlatform.h"

#include <QProcess>
#include <unistd.h>

namespace {
// Runs the opener in the background and gives its exit status when it ends within the
// wait ($1, in tenths of a second), success when it is still running then. The opener
// is left running when the shell exits: it is then the program that shows the file.
const QString kOpenerScript =
    QStringLiteral("w=$1; shift; \"$@\" & p=$!; n=0; "
                   "while kill -0 \"$p\" 2>/dev/null; do [ $n -ge \"$w\" ] && exit 0; sleep 0.1; "
                   "n=$((n+1)); done; wait \"$p\"");
const int kSlackMs = 2000; // for the shell's own start and end
} // namespace

OpenCommand OpenerPlatform::desktopOpener(const QString& path) {
    return {QStringLiteral("xdg-open"), {path}};
}

bool OpenerPlatform::startOpener(const OpenCommand& command, int waitMs) {
    QProcess shell;
    shell.setProgram(QStringLiteral("/bin/sh"));
    shell.setArguments(QStringList{QStringLiteral("-c"), kOpenerScript,
                                   QStringLiteral("lethora-open"), QString::number(waitMs / 100),
                                   command.program} +
                       command.arguments);
    shell.setStandardInputFile(QProcess::nullDevice());
    shell.setStandardOutputFile(QProcess::nullDevice());
    shell.setStandardErrorFile(QProcess::nullDevice());
    // A session of its own: the signals of this program's terminal do not reach the
    // spreadsheet program that the opener starts.
    shell.setChildProcessModifier([] { ::setsid(); });
    shell.start();
    if (!shell.waitForFinished(waitMs + kSlackMs)) {
        shell.kill();
        shell.waitForFinished();
        return false;
    }
    return shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0;
}
