// A browser signed in to the platform never outlives the program that opened it: a
// program that holds a real headless Chromium is ended by a signal, and its browser and
// profile folder go with it. Profile folders left by programs that have ended are
// removed when the next browser starts.

#include "portal/GuardedProcess.h"
#include "tests/portal/TestBrowser.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <cstdio>

namespace {
const char* kHoldBrowser = "--hold-browser";

// The program that the test ends: opens a browser, says where its profiles are and waits.
int holdBrowser(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::unique_ptr<SnapshotBrowser> browser = TestBrowser::make();
    setBrowserOps(browser.get());
    browser->NavigateTo(browser->OpenBrowser(), QStringLiteral("about:blank"));
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

// The processes whose command line names the text.
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

QStringList browserFolders(const QDir& temp) {
    return temp.entryList({QStringLiteral("lethora-browser-*")}, QDir::Dirs);
}
} // namespace

class TestBrowserEnd : public QObject {
    Q_OBJECT
    QTemporaryDir m_temp;

private slots:
    void init() {
        for (const QString& folder : browserFolders(QDir(m_temp.path())))
            QDir(m_temp.filePath(folder)).removeRecursively();
    }

    void theBrowserEndsWithTheProgram_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGKILL") << int(SIGKILL);
    }
    void theBrowserEndsWithTheProgram() {
        QFETCH(int, signal);
        QProcess holder;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), m_temp.path());
        env.insert(QStringLiteral("HOME"), m_temp.path());
        env.insert(QStringLiteral("LETHORA_HEADLESS_BROWSER"), QStringLiteral("1"));
        holder.setProcessEnvironment(env);
        holder.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kHoldBrowser)});
        QVERIFY(holder.waitForReadyRead(60000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("ready"));
        const QStringList folders = browserFolders(QDir(m_temp.path()));
        QCOMPARE(folders.size(), 1);
        const QString folder = m_temp.filePath(folders.first());
        QVERIFY(!processesNaming(folder).isEmpty());

        ::kill(pid_t(holder.processId()), signal);
        QVERIFY(holder.waitForFinished(10000));
        QElapsedTimer waited;
        waited.start();
        while ((QDir(folder).exists() || !processesNaming(folder).isEmpty()) &&
               waited.elapsed() < 15000)
            QThread::msleep(50);
        QVERIFY2(processesNaming(folder).isEmpty(),
                 qPrintable(processesNaming(folder).join(QLatin1Char(' '))));
        QVERIFY(!QDir(folder).exists());
    }

    void leftoversOfEndedProgramsAreRemoved() {
        qputenv("TMPDIR", m_temp.path().toLocal8Bit());
        const QDir temp(m_temp.path());
        auto leave = [&](const QString& name, const QByteArray& owner) {
            temp.mkpath(name + QStringLiteral("/profile-1"));
            if (!owner.isEmpty()) {
                QFile file(temp.filePath(name + QStringLiteral("/owner")));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(owner);
            }
        };
        leave(QStringLiteral("lethora-browser-ended"), "2147483600 2147483601");
        leave(QStringLiteral("lethora-browser-ended-browser"), "2147483600 2147483601 chromium");
        leave(QStringLiteral("lethora-browser-running"),
              QByteArray::number(QCoreApplication::applicationPid()) + " 2147483601");
        leave(QStringLiteral("lethora-browser-unowned"), QByteArray());
        GuardedProcess::removeLeftovers();
        qunsetenv("TMPDIR");
        QCOMPARE(browserFolders(temp), QStringList({QStringLiteral("lethora-browser-running"),
                                                    QStringLiteral("lethora-browser-unowned")}));
    }
};

int main(int argc, char** argv) {
    if (argc == 2 && qstrcmp(argv[1], kHoldBrowser) == 0)
        return holdBrowser(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    installTestSeams();
    TestBrowserEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser_end.moc"
