#include "portal/GuardedProcess.h"
#include "common/ErrorReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
const int kStopGraceMs = 2000;
const QString kFolderPrefix = QStringLiteral("lethora-browser-");
// The file in a folder that names this program, the group and the group's program.
const QString kOwnerFile = QStringLiteral("owner");
// The group's program of folders that name none (the driver, before the browser ran
// without one).
const QByteArray kDriverProgram = QByteArrayLiteral("chromedriver");
} // namespace

GuardedProcess::~GuardedProcess() {
    stop();
}

QString GuardedProcess::folder() const {
    return m_folder ? m_folder->path() : QDir::tempPath();
}

void GuardedProcess::removeLeftovers() {
    const QDir temp(QDir::tempPath());
    const QStringList folders =
        temp.entryList({kFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : folders) {
        QFile owner(temp.filePath(name + QLatin1Char('/') + kOwnerFile));
        if (!owner.open(QIODevice::ReadOnly))
            continue; // a folder still being made, or not one of ours
        const QList<QByteArray> fields = owner.readAll().trimmed().split(' ');
        if (fields.size() < 2 || fields.size() > 3 ||
            ProcessPlatform::isRunning(fields.at(0).toLongLong()))
            continue;
        const qint64 group = fields.at(1).toLongLong();
        const QByteArray program = fields.value(2, kDriverProgram);
        if (ProcessPlatform::isRunning(group) && ProcessPlatform::runsProgram(group, program))
            ProcessPlatform::endGroup(group);
        QDir(temp.filePath(name)).removeRecursively();
    }
}

bool GuardedProcess::isRunning() const {
    return m_process.state() == QProcess::Running;
}

void GuardedProcess::start(const QString& program, const QStringList& arguments,
                           const QString& hint, ProcessPlatform::DebugPipe* pipe) {
    removeLeftovers();
    m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QLatin1Char('/') + kFolderPrefix +
                                               QStringLiteral("XXXXXX"));
    if (!m_folder->isValid())
        throw AppError(QStringLiteral("Δεν δημιουργήθηκε ο φάκελος του φυλλομετρητή (%1): %2")
                           .arg(QDir::tempPath(), m_folder->errorString()));
    QStringList withFolder;
    for (const QString& argument : arguments)
        withFolder << QString(argument).replace(QStringLiteral("{folder}"), m_folder->path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_folder->path());
    m_process.setProcessEnvironment(environment);
    m_process.setProgram(program);
    m_process.setArguments(withFolder);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    // A group of its own, and an end when the application ends without stopping it.
    ProcessPlatform::runInOwnGroup(m_process, pipe);
    m_process.start();
    if (pipe)
        pipe->browserStarted();
    if (!m_process.waitForStarted()) {
        const QString reason = m_process.errorString();
        m_folder.reset();
        throw AppError(QStringLiteral("Δεν ξεκίνησε το πρόγραμμα %1: %2. ").arg(program, reason) +
                       hint);
    }
    ProcessPlatform::startGroupGuard(m_guard, m_process.processId(), m_folder->path());
    QFile owner(m_folder->filePath(kOwnerFile));
    if (owner.open(QIODevice::WriteOnly))
        owner.write(QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                    QByteArray::number(m_process.processId()) + ' ' +
                    ProcessPlatform::programName(program));
}

bool GuardedProcess::waitForEnd(int timeoutMs) {
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

void GuardedProcess::stop() {
    if (m_process.state() != QProcess::NotRunning) {
        const qint64 pid = m_process.processId();
        ProcessPlatform::askGroupToEnd(pid);
        if (!m_process.waitForFinished(kStopGraceMs)) {
            ProcessPlatform::endGroup(pid);
            m_process.waitForFinished(kStopGraceMs);
        }
        // The browsers the program started are in its group even when it ended first.
        ProcessPlatform::endGroup(pid);
    }
    if (m_guard.state() != QProcess::NotRunning) {
        m_guard.closeWriteChannel();
        m_guard.waitForFinished(kStopGraceMs);
    }
    m_folder.reset();
}
