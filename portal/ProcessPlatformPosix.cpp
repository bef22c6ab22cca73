#include "portal/ProcessPlatform.h"

#include <QProcess>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// Waits for the program's pipe to close, then ends the group and removes the folder.
// The group's processes may write to their profiles until they have gone, so the folder
// is removed only then (five seconds at most).
const QString kGuardScript = QStringLiteral(
    "read _; kill -KILL -\"$1\" 2>/dev/null; n=0; "
    "while kill -0 -\"$1\" 2>/dev/null && [ $n -lt 50 ]; do sleep 0.1; n=$((n+1)); done; "
    "rm -rf -- \"$2\"");

void signalGroup(qint64 group, int signal) {
    if (group > 0)
        ::kill(-pid_t(group), signal);
}
} // namespace

void ProcessPlatform::runInOwnGroup(QProcess& process) {
    process.setChildProcessModifier([] {
        ::setsid();
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
}

void ProcessPlatform::startGroupGuard(QProcess& guard, qint64 group, const QString& folder) {
    guard.setProgram(QStringLiteral("/bin/sh"));
    guard.setArguments({QStringLiteral("-c"), kGuardScript, QStringLiteral("lethora-guard"),
                        QString::number(group), folder});
    guard.setStandardOutputFile(QProcess::nullDevice());
    guard.setStandardErrorFile(QProcess::nullDevice());
    // A session of its own: the signals of the program's terminal do not reach it.
    guard.setChildProcessModifier([] { ::setsid(); });
    guard.start();
    guard.waitForStarted();
}

void ProcessPlatform::askGroupToEnd(qint64 group) {
    signalGroup(group, SIGTERM);
}

void ProcessPlatform::endGroup(qint64 group) {
    signalGroup(group, SIGKILL);
}

bool ProcessPlatform::runsAsAdministrator() {
    return ::geteuid() == 0;
}
