#include "portal/ChromeDriverProcess.h"
#include "common/ErrorReport.h"
#include "common/Settings.h"
#include "portal/WebDriverClient.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonObject>
#include <QTcpServer>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
const int kReadyTimeoutMs = 15000;
const int kStopGraceMs = 2000;

const QString kInstallHint = QStringLiteral("Εγκαταστήστε τα πακέτα chromium και chromium-driver "
                                            "(sudo apt-get install chromium chromium-driver).");

quint16 freeLoopbackPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        throw AppError(QStringLiteral("Δεν βρέθηκε ελεύθερη θύρα για τον οδηγό του φυλλομετρητή."));
    return probe.serverPort();
}

void signalGroup(qint64 pid, int signal) {
    if (pid > 0)
        ::kill(-pid_t(pid), signal);
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

bool ChromeDriverProcess::isRunning() const {
    return m_process.state() == QProcess::Running;
}

void ChromeDriverProcess::start() {
    BrowserPaths::requireBoth();
    m_port = freeLoopbackPort();
    m_process.setProgram(BrowserPaths::chromeDriver());
    m_process.setArguments({QStringLiteral("--port=%1").arg(m_port), QStringLiteral("--silent")});
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    // A group of its own, and an end when the application ends without stopping it.
    m_process.setChildProcessModifier([] {
        ::setsid();
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    m_process.start();
    if (!m_process.waitForStarted())
        throw AppError(QStringLiteral("Δεν ξεκίνησε ο οδηγός του Chromium (%1): %2. ")
                           .arg(BrowserPaths::chromeDriver(), m_process.errorString()) +
                       kInstallHint);

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
        QThread::msleep(20);
    }
    stop();
    throw AppError(QStringLiteral("Ο οδηγός του Chromium δεν ανταποκρίθηκε."));
}

void ChromeDriverProcess::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    const qint64 pid = m_process.processId();
    signalGroup(pid, SIGTERM);
    if (!m_process.waitForFinished(kStopGraceMs)) {
        signalGroup(pid, SIGKILL);
        m_process.waitForFinished(kStopGraceMs);
    }
    // The browsers the driver started are in its group even when it ended first.
    signalGroup(pid, SIGKILL);
}
