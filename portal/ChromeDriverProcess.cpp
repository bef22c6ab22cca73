#include "portal/ChromeDriverProcess.h"
#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "common/Settings.h"
#include "portal/ProcessPlatform.h"
#include "portal/WebDriverClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QTcpServer>
#include <QThread>

namespace {
const int kReadyTimeoutMs = 15000;
// The pause between two looks at whether the driver is ready.
const int kReadyPollMs = 20;
const int kStopGraceMs = 2000;
const QString kFolderPrefix = QStringLiteral("lethora-browser-");
// The file in a profiles folder that names the program and the driver's group.
const QString kOwnerFile = QStringLiteral("owner");
const QByteArray kDriverProgram = QByteArrayLiteral("chromedriver");
const QString kInstallHint = QStringLiteral("Εγκαταστήστε τα πακέτα chromium και chromium-driver "
                                            "(sudo apt-get install chromium chromium-driver).");

quint16 freeLoopbackPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        throw AppError(QStringLiteral("Δεν βρέθηκε ελεύθερη θύρα για τον οδηγό του φυλλομετρητή."));
    return probe.serverPort();
}
} // namespace

QString BrowserPaths::chromeDriver() {
    return Settings::folderValue(QStringLiteral("ChromeDriverPath"),
                                 QStringLiteral("/usr/bin/chromedriver"));
}

QString BrowserPaths::chromium() {
    return Settings::folderValue(QStringLiteral("ChromiumPath"),
                                 QStringLiteral("/usr/lib/chromium/chromium"));
}

void BrowserPaths::requireBoth() {
    if (!QFileInfo(chromium()).isExecutable())
        throw AppError(
            QStringLiteral("Δεν βρέθηκε ο φυλλομετρητής Chromium (%1). ").arg(chromium()) +
            kInstallHint);
    if (!QFileInfo(chromeDriver()).isExecutable())
        throw AppError(QStringLiteral("Δεν βρέθηκε ο οδηγός του Chromium, chromedriver (%1). ")
                           .arg(chromeDriver()) +
                       kInstallHint);
}

ChromeDriverProcess::~ChromeDriverProcess() {
    stop();
}

QString ChromeDriverProcess::profilesFolder() const {
    return m_folder ? m_folder->path() : QDir::tempPath();
}

void ChromeDriverProcess::removeLeftovers() {
    const QDir temp(QDir::tempPath());
    const QStringList folders =
        temp.entryList({kFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : folders) {
        QFile owner(temp.filePath(name + QLatin1Char('/') + kOwnerFile));
        if (!owner.open(QIODevice::ReadOnly))
            continue; // a folder still being made, or not one of ours
        const QList<QByteArray> pids = owner.readAll().split(' ');
        if (pids.size() != 2 || ProcessPlatform::isRunning(pids.at(0).trimmed().toLongLong()))
            continue;
        const qint64 driver = pids.at(1).trimmed().toLongLong();
        if (ProcessPlatform::isRunning(driver) &&
            ProcessPlatform::runsProgram(driver, kDriverProgram))
            ProcessPlatform::endGroup(driver);
        QDir(temp.filePath(name)).removeRecursively();
    }
}

bool ChromeDriverProcess::isRunning() const {
    return m_process.state() == QProcess::Running;
}

void ChromeDriverProcess::start() {
    BrowserPaths::requireBoth();
    removeLeftovers();
    m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QLatin1Char('/') + kFolderPrefix +
                                               QStringLiteral("XXXXXX"));
    if (!m_folder->isValid())
        throw AppError(QStringLiteral("Δεν δημιουργήθηκε ο φάκελος του φυλλομετρητή (%1): %2")
                           .arg(QDir::tempPath(), m_folder->errorString()));
    m_port = freeLoopbackPort();
    m_process.setProgram(BrowserPaths::chromeDriver());
    m_process.setArguments({QStringLiteral("--port=%1").arg(m_port), QStringLiteral("--silent")});
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    // A group of its own, and an end when the application ends without stopping it.
    ProcessPlatform::runInOwnGroup(m_process);
    m_process.start();
    if (!m_process.waitForStarted())
        throw AppError(QStringLiteral("Δεν ξεκίνησε ο οδηγός του Chromium (%1): %2. ")
                           .arg(BrowserPaths::chromeDriver(), m_process.errorString()) +
                       kInstallHint);
    ProcessPlatform::startGroupGuard(m_guard, m_process.processId(), m_folder->path());
    QFile owner(m_folder->filePath(kOwnerFile));
    if (owner.open(QIODevice::WriteOnly))
        owner.write(QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                    QByteArray::number(m_process.processId()));

    WebDriverClient client;
    client.setPort(m_port);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kReadyTimeoutMs && isRunning()) {
        try {
            if (client.get(QStringLiteral("/status"), 1000)
                    .toObject()
                    .value(QStringLiteral("ready"))
                    .toBool())
                return;
        } catch (const AppError&) {
        }
        // The windows repaint while the driver starts.
        PumpWait(kReadyPollMs);
    }
    stop();
    throw AppError(QStringLiteral("Ο οδηγός του Chromium δεν ανταποκρίθηκε."));
}

void ChromeDriverProcess::stop() {
    if (m_process.state() != QProcess::NotRunning) {
        const qint64 pid = m_process.processId();
        ProcessPlatform::askGroupToEnd(pid);
        if (!m_process.waitForFinished(kStopGraceMs)) {
            ProcessPlatform::endGroup(pid);
            m_process.waitForFinished(kStopGraceMs);
        }
        // The browsers the driver started are in its group even when it ended first.
        ProcessPlatform::endGroup(pid);
    }
    if (m_guard.state() != QProcess::NotRunning) {
        m_guard.closeWriteChannel();
        m_guard.waitForFinished(kStopGraceMs);
    }
    m_folder.reset();
}
