#include "portal/ProcessPlatform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

namespace {
// Waits for the program's pipe to close, then ends the group and removes the folder.
// The group's processes may write to their profiles until they have gone, so the folder
// is removed only then (five seconds at most).
const QString kGuardScript = QStringLiteral(
    "read _; kill -KILL -\"$1\" 2>/dev/null; n=0; "
    "while kill -0 -\"$1\" 2>/dev/null && [ $n -lt 50 ]; do sleep 0.1; n=$((n+1)); done; "
    "rm -rf -- \"$2\"");

// The browser's descriptors of the debugging pipe.
const int kBrowserReads = 3;
const int kBrowserWrites = 4;

void signalGroup(qint64 group, int signal) {
    if (group > 0)
        ::kill(-pid_t(group), signal);
}

void closeDescriptor(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// In the started process, before its program runs: the pipe's ends become descriptors 3
// and 4, which the program keeps.
void placePipe(int reads, int writes) {
    if (writes == kBrowserReads)
        writes = ::dup(writes);
    if (reads != kBrowserReads)
        ::dup2(reads, kBrowserReads);
    if (writes != kBrowserWrites)
        ::dup2(writes, kBrowserWrites);
    ::fcntl(kBrowserReads, F_SETFD, 0);
    ::fcntl(kBrowserWrites, F_SETFD, 0);
}
} // namespace

ProcessPlatform::DebugPipe::DebugPipe() = default;

ProcessPlatform::DebugPipe::~DebugPipe() {
    close();
}

bool ProcessPlatform::DebugPipe::open() {
    int commands[2];
    int answers[2];
    if (::pipe2(commands, O_CLOEXEC) != 0)
        return false;
    if (::pipe2(answers, O_CLOEXEC) != 0) {
        ::close(commands[0]);
        ::close(commands[1]);
        return false;
    }
    m_browserRead = commands[0];
    m_commands = commands[1];
    m_answers = answers[0];
    m_browserWrite = answers[1];
    ::fcntl(m_answers, F_SETFL, ::fcntl(m_answers, F_GETFL) | O_NONBLOCK);
    m_closed = false;
    m_notifier = std::make_unique<QSocketNotifier>(m_answers, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        drain();
        emit readyRead();
    });
    return true;
}

void ProcessPlatform::DebugPipe::browserStarted() {
    closeDescriptor(m_browserRead);
    closeDescriptor(m_browserWrite);
}

bool ProcessPlatform::DebugPipe::write(const QByteArray& message) {
    qsizetype written = 0;
    while (!m_closed && written < message.size()) {
        const ssize_t n =
            ::write(m_commands, message.constData() + written, size_t(message.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return !m_closed;
}

QByteArray ProcessPlatform::DebugPipe::takeAvailable() {
    drain();
    return std::exchange(m_arrived, QByteArray());
}

void ProcessPlatform::DebugPipe::drain() {
    char buffer[65536];
    while (m_answers >= 0) {
        const ssize_t n = ::read(m_answers, buffer, sizeof buffer);
        if (n > 0) {
            m_arrived.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno != EAGAIN) {
            // The browser has ended; nothing more will come.
            m_closed = true;
            m_notifier.reset();
            closeDescriptor(m_answers);
        }
        break;
    }
}

void ProcessPlatform::DebugPipe::close() {
    m_notifier.reset();
    closeDescriptor(m_commands);
    closeDescriptor(m_answers);
    browserStarted();
    m_closed = true;
}

void ProcessPlatform::runInOwnGroup(QProcess& process, DebugPipe* pipe) {
    const int reads = pipe ? pipe->browserRead() : -1;
    const int writes = pipe ? pipe->browserWrite() : -1;
    process.setChildProcessModifier([reads, writes] {
        ::setsid();
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (reads >= 0)
            placePipe(reads, writes);
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

QByteArray ProcessPlatform::programName(const QString& program) {
    // The system keeps the first 15 bytes of the program's file name.
    return QFileInfo(program).fileName().toLocal8Bit().left(15);
}

bool ProcessPlatform::runsAsAdministrator() {
    return ::geteuid() == 0;
}
