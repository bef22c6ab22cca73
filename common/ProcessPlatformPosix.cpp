#include "common/ProcessPlatform.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t g_endSignal = 0;

extern "C" void noteEndRequest(int signal) {
    g_endSignal = signal;
}

// The kernel keeps at most 15 characters of a program's name in /proc/<pid>/comm.
constexpr qsizetype kCommLength = 15;
} // namespace

bool ProcessPlatform::isRunning(qint64 pid) {
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

bool ProcessPlatform::runsProgram(qint64 pid, const QByteArray& program) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == program.left(kCommLength);
}

void ProcessPlatform::catchEndRequests() {
    struct sigaction action = {};
    action.sa_handler = noteEndRequest;
    sigemptyset(&action.sa_mask);
    // Calls under way go on: the program notices the request at its next safe point.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

QString ProcessPlatform::endRequested() {
    switch (g_endSignal) {
    case 0:
        return QString();
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    }
    return QStringLiteral("σήμα %1").arg(int(g_endSignal));
}

int ProcessPlatform::endRequestStatus() {
    return 128 + int(g_endSignal);
}
