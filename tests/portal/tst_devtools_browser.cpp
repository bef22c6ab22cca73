// What only the DevTools browser does: it finds the installed browser itself (and says in
// Greek which browsers it looked for, and where, when there is none), it speaks to the
// browser over the browser's debugging pipe and never over a network port, it lists the
// windows that pages open or close themselves as the browser reports them, and it answers
// the dialogs of a page, so that nothing waits for a person. The choice of provider in
// settings.ini is here too.

#include "common/Clock.h"
#include "common/Settings.h"
#include "portal/BrowserProgram.h"
#include "portal/DevToolsBrowser.h"
#include "portal/WebDriverBrowser.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tools/fakeplatform/HttpPageServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <unistd.h>

namespace {
const int kWaitMs = 10000;

// Pages by their path.
class StaticSite : public PageSource {
public:
    PageAnswer answer(const PageRequest& request) override {
        PageAnswer page;
        page.html = pages.value(request.url.path());
        page.status = page.html.isEmpty() ? 404 : 200;
        return page;
    }
    QHash<QString, QString> pages;
};

void makeProgram(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

// The numbers of the processes whose command line holds the text.
QStringList processesNaming(const QString& text) {
    QStringList found;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (pid.toInt() > 0 && cmdline.open(QIODevice::ReadOnly) &&
            QString::fromLocal8Bit(cmdline.readAll()).contains(text))
            found << pid;
    }
    return found;
}

// The inodes of the sockets listening on TCP ports of this machine.
QSet<QString> listeningSockets() {
    QSet<QString> inodes;
    for (const QString& table :
         {QStringLiteral("/proc/net/tcp"), QStringLiteral("/proc/net/tcp6")}) {
        QFile file(table);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 9 && fields.at(3) == "0A") // LISTEN
                inodes.insert(QString::fromLatin1(fields.at(9)));
        }
    }
    return inodes;
}

// What the process's descriptor is: "pipe:[inode]", "socket:[inode]", a file's path.
QString descriptor(const QString& pid, int fd) {
    char target[256];
    const QByteArray link = QStringLiteral("/proc/%1/fd/%2").arg(pid).arg(fd).toLocal8Bit();
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    return n > 0 ? QString::fromLocal8Bit(target, n) : QString();
}

bool waitFor(const std::function<bool()>& condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < kWaitMs)
        PumpWait(20);
    return condition();
}
} // namespace

class TestDevToolsBrowser : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    TestFolder m_folder;
    StaticSite m_site;
    HttpPageServer m_server;
    std::unique_ptr<DevToolsBrowser> m_browser;

    // A window showing the page, with its document.
    std::pair<BrowserWindow, PageDocument> show(const QString& path) {
        const BrowserWindow window = m_browser->OpenBrowser();
        m_browser->NavigateTo(window, m_server.base() + path);
        PageDocument document;
        waitFor([&] {
            return m_browser->GetLocationUrl(window).endsWith(path) &&
                   (document = m_browser->GetDocument(window));
        });
        return {window, document};
    }

private slots:
    void initTestCase() {
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
        qputenv("TMPDIR", m_home.path().toLocal8Bit());
        Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));
        m_server.listenLocally();
        m_server.setSource(&m_site);
        m_site.pages.insert(QStringLiteral("/opener.htm"),
                            QStringLiteral("<html><body><button id=\"open\" "
                                           "onclick=\"window.open('/opened.htm')\">open</button>"
                                           "</body></html>"));
        m_site.pages.insert(QStringLiteral("/opened.htm"),
                            QStringLiteral("<html><body><p>opened</p><button id=\"close\" "
                                           "onclick=\"window.close()\">close</button>"
                                           "</body></html>"));
        m_site.pages.insert(
            QStringLiteral("/dialogs.htm"),
            QStringLiteral("<html><body><script>alert('φόρτωση');</script><p id=\"answer\">-</p>"
                           "<button id=\"ask\" onclick=\"document.getElementById('answer')"
                           ".textContent = confirm('Συνέχεια;') ? 'ναι' : 'όχι'\">ask</button>"
                           "</body></html>"));
        m_browser = std::make_unique<DevToolsBrowser>();
    }
    void cleanupTestCase() { m_browser.reset(); }

    void theBrowserIsFoundInItsPlaces_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("found");
        QTest::newRow("the first browser")
            << QStringList{"first/chromium", "second/chrome"} << "first/chromium";
        QTest::newRow("the second, when the first is missing")
            << QStringList{"second/chrome"} << "second/chrome";
        QTest::newRow("in a folder of PATH") << QStringList{"bin/chromium"} << "bin/chromium";
        QTest::newRow("under a folder of the environment")
            << QStringList{"local/Google/chrome.exe"} << "local/Google/chrome.exe";
    }
    void theBrowserIsFoundInItsPlaces() {
        QFETCH(QStringList, present);
        QFETCH(QString, found);
        QTemporaryDir root;
        for (const QString& program : present)
            makeProgram(root.filePath(program));
        const QList<BrowserProgram::Candidate> candidates = {
            {QStringLiteral("Chromium"),
             {root.filePath(QStringLiteral("first/chromium")), QStringLiteral("chromium")}},
            {QStringLiteral("Google Chrome"),
             {root.filePath(QStringLiteral("second/chrome")),
              QStringLiteral("%LOCALAPPDATA%/Google/chrome.exe")}}};
        const auto environment = [&](const QString& name) {
            if (name == QLatin1String("PATH"))
                return root.filePath(QStringLiteral("none")) + QLatin1Char(':') +
                       root.filePath(QStringLiteral("bin"));
            return name == QLatin1String("LOCALAPPDATA") ? root.filePath(QStringLiteral("local"))
                                                         : QString();
        };
        QCOMPARE(BrowserProgram::find(candidates, environment), root.filePath(found));
    }

    void noBrowserFoundIsToldWithTheBrowsersAndThePlaces() {
        const QList<BrowserProgram::Candidate> candidates = {
            {QStringLiteral("Google Chrome"),
             {QStringLiteral("/nowhere/chrome"),
              QStringLiteral("%LOCALAPPDATA%/Chrome/chrome.exe")}},
            {QStringLiteral("Microsoft Edge"), {QStringLiteral("msedge.exe")}}};
        QString shown;
        try {
            BrowserProgram::find(candidates, [](const QString&) { return QString(); });
        } catch (const AppError& error) {
            shown = error.text();
        }
        QVERIFY2(shown.startsWith(QStringLiteral("Δεν βρέθηκε φυλλομετρητής")), qPrintable(shown));
        for (const QString& part :
             {QStringLiteral("Google Chrome, Microsoft Edge"), QStringLiteral("/nowhere/chrome"),
              QStringLiteral("%LOCALAPPDATA%/Chrome/chrome.exe"),
              QStringLiteral("msedge.exe (PATH)"), QStringLiteral("[Browser]")})
            QVERIFY2(shown.contains(part), qPrintable(part + QStringLiteral(" in ") + shown));
    }

    void theDriverIsChosenInTheSettings() {
        QVERIFY(dynamic_cast<DevToolsBrowser*>(makeRealBrowser().get()));
        Settings::setFolderValue(QStringLiteral("Browser/Driver"), QStringLiteral("WebDriver"));
        QVERIFY(dynamic_cast<WebDriverBrowser*>(makeRealBrowser().get()));
        Settings::setFolderValue(QStringLiteral("Browser/Driver"), QStringLiteral("ie"));
        QString shown;
        try {
            makeRealBrowser();
        } catch (const AppError& error) {
            shown = error.text();
        }
        Settings::setFolderValue(QStringLiteral("Browser/Driver"), QString());
        QVERIFY2(shown.contains(QStringLiteral("«ie»")) &&
                     shown.contains(QStringLiteral("Driver=webdriver")),
                 qPrintable(shown));
    }

    // The browser reads its commands on descriptor 3 and writes on 4, both pipes, and no
    // process of it listens on a network port.
    void theBrowserSpeaksOverItsPipeAndListensOnNoPort() {
        const auto [window, document] = show(QStringLiteral("/opener.htm"));
        QVERIFY(document);
        const QStringList processes =
            processesNaming(m_home.path() + QStringLiteral("/lethora-browser-"));
        QVERIFY(!processes.isEmpty());
        QStringList piped;
        for (const QString& pid : processes) {
            QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
            QVERIFY(cmdline.open(QIODevice::ReadOnly));
            const QByteArray line = cmdline.readAll();
            QVERIFY(!line.contains("--remote-debugging-port"));
            // The browser's own process, not one of the processes it starts.
            if (line.contains("--remote-debugging-pipe") && !line.contains("--type="))
                piped << pid;
        }
        QCOMPARE(piped.size(), 1);
        QVERIFY2(descriptor(piped.first(), 3).startsWith(QStringLiteral("pipe:")),
                 qPrintable(descriptor(piped.first(), 3)));
        QVERIFY(descriptor(piped.first(), 4).startsWith(QStringLiteral("pipe:")));
        const QSet<QString> listening = listeningSockets();
        for (const QString& pid : processes)
            for (const QString& fd : QDir(QStringLiteral("/proc/%1/fd").arg(pid))
                                         .entryList(QDir::Files | QDir::System)) {
                const QString target = descriptor(pid, fd.toInt());
                if (target.startsWith(QStringLiteral("socket:[")))
                    QVERIFY2(!listening.contains(target.mid(8).chopped(1)),
                             qPrintable(pid + QStringLiteral(" listens on ") + target));
            }
        m_browser->QuitBrowser(window);
    }

    // A window that the page opens is listed after the page's own; once that page closes
    // itself, it is gone.
    void windowsThePagesOpenAndCloseAreListed() {
        const auto [window, document] = show(QStringLiteral("/opener.htm"));
        m_browser->Click(m_browser->GetElementById(document, QStringLiteral("open")));
        QVERIFY(waitFor([&] { return m_browser->ListBrowserWindows().size() == 2; }));
        const BrowserWindow opened = m_browser->ListBrowserWindows().last();
        QVERIFY(!(opened == window));
        PageDocument page;
        QVERIFY(waitFor([&] { return bool(page = m_browser->GetDocument(opened)); }));
        QVERIFY(m_browser->GetLocationUrl(opened).endsWith(QStringLiteral("/opened.htm")));

        m_browser->Click(m_browser->GetElementById(page, QStringLiteral("close")));
        QVERIFY(waitFor([&] { return m_browser->ListBrowserWindows().size() == 1; }));
        QVERIFY(m_browser->ListBrowserWindows().first() == window);
        QCOMPARE(m_browser->GetLocationUrl(opened), QString());
        m_browser->QuitBrowser(window);
    }

    // An alert while the page loads and a confirmation on a click are accepted at once:
    // the page is read, and the click returns with the confirmation's answer on the page.
    void thePagesDialogsAreAnswered() {
        const auto [window, document] = show(QStringLiteral("/dialogs.htm"));
        QVERIFY(document);
        m_browser->Click(m_browser->GetElementById(document, QStringLiteral("ask")));
        PageDocument after;
        QVERIFY(waitFor([&] {
            after = m_browser->GetDocument(window);
            return after && m_browser->GetOuterText(m_browser->GetElementById(
                                after, QStringLiteral("answer"))) == QStringLiteral("ναι");
        }));
        m_browser->QuitBrowser(window);
        QVERIFY(m_browser->ListBrowserWindows().isEmpty());
    }
};

LETHORA_TEST_MAIN(TestDevToolsBrowser)
#include "tst_devtools_browser.moc"
