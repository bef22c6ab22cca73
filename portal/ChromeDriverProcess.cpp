#include "portal/ChromeDriverProcess.h"
#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "common/Settings.h"
#include "portal/WebDriverClient.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonObject>
#include <QTcpServer>

namespace {
const int kReadyTimeoutMs = 15000;
// The pause between two looks at whether the driver is ready.
const int kReadyPollMs = 20;
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
    return m_process.folder();
}

bool ChromeDriverProcess::isRunning() const {
    return m_process.isRunning();
}

void ChromeDriverProcess::start() {
    BrowserPaths::requireBoth();
    m_port = freeLoopbackPort();
    m_process.start(BrowserPaths::chromeDriver(),
                    {QStringLiteral("--port=%1").arg(m_port), QStringLiteral("--silent")},
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
        // The windows repaint while the driver starts.
        PumpWait(kReadyPollMs);
    }
    stop();
    throw AppError(QStringLiteral("Ο οδηγός του Chromium δεν ανταποκρίθηκε."));
}

void ChromeDriverProcess::stop() {
    m_process.stop();
}
