#include "tools/saved-page/SavedPage.h"
#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "portal/SnapshotBrowser.h"
#include "portal/scripted/ScriptedPage.h"
#include "tools/command-line/ToolCommandLine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

namespace {
const int kLoadTimeoutMs = 20000;
// Far above any page of the platform; a larger file is not one.
const qint64 kLargestPage = 64 * 1024 * 1024;

// The page as a browser decodes it: by the charset it declares, UTF-8 otherwise.
QString decoded(const QByteArray& bytes) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}
} // namespace

void printLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

SavedPage::SavedPage(const QString& path) {
    const QFileInfo info(path);
    m_path = info.absoluteFilePath();
    if (info.exists() && !info.isFile())
        throw AppError(QStringLiteral("Το ") + path +
                       QStringLiteral(" δεν είναι κανονικό αρχείο."));
    if (info.size() > kLargestPage)
        throw AppError(QStringLiteral("Το αρχείο ") + path +
                       QStringLiteral(" είναι πολύ μεγάλο για σελίδα της πλατφόρμας."));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Δεν διαβάζεται το αρχείο ") + path + QStringLiteral(": ") +
                       file.errorString());
    m_html = decoded(file.readAll());
}

SavedPage::~SavedPage() {
    setBrowserOps(nullptr);
    if (m_chromium)
        m_chromium->shutDown();
}

void SavedPage::open(bool scripted) {
    if (scripted) {
        m_scripted = std::make_unique<ScriptedPage>(m_html, QUrl::fromLocalFile(m_path));
        setBrowserOps(&m_scripted->browser);
        m_window = m_scripted->browser.ListBrowserWindows().value(0);
        m_document = m_scripted->document;
        return;
    }
    // Chromium's own files go to a home of the tool's, and it runs without a display.
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
    qputenv("LETHORA_HEADLESS_BROWSER", "1");
    m_chromium = makeRealBrowser();
    setBrowserOps(m_chromium.get());
    m_window = m_chromium->OpenBrowser();
    m_chromium->NavigateTo(m_window, QUrl::fromLocalFile(m_path).toString());
    QElapsedTimer waited;
    waited.start();
    while (!(m_document = m_chromium->GetDocument(m_window))) {
        if (waited.elapsed() > kLoadTimeoutMs)
            throw AppError(QStringLiteral("Η σελίδα δεν φορτώθηκε στον φυλλομετρητή."));
        PumpWait(20);
    }
}

void SavedPage::requireStillShown() {
    if (!m_chromium)
        return;
    const QString shown = m_chromium->GetLocationUrl(m_window);
    if (QUrl(shown) != QUrl::fromLocalFile(m_path))
        throw AppError(QStringLiteral("Η σελίδα οδήγησε τον φυλλομετρητή σε άλλη διεύθυνση: ") +
                       shown);
}

void addSavedPageArguments(ToolCommandLine& line) {
    line.addPositional(QStringLiteral("ΑΡΧΕΙΟ"), QStringLiteral("η σελίδα (αρχείο HTML)"));
    line.addOption(kScripted,
                   QStringLiteral("ανοίγει τη σελίδα στον εικονικό φυλλομετρητή των ελέγχων"));
}
