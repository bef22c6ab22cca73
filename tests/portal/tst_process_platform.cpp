// What the browser's driver needs from the operating system, as a port to another system
// must provide it: a process in a group of its own that the group's end reaches, a guard
// that ends the group and removes the profiles once its input closes, and the checks on a
// process by its number.

#include "portal/ProcessPlatform.h"
#include "tests/support/TestMain.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {
const int kEndTimeoutMs = 15000;

// A process that waits to be ended, in a group of its own.
void startSleeper(QProcess& process) {
    process.setProgram(QStringLiteral("sleep"));
    process.setArguments({QStringLiteral("300")});
    ProcessPlatform::runInOwnGroup(process);
    process.start();
}
} // namespace

class TestProcessPlatform : public QObject {
    Q_OBJECT
private slots:
    void aGroupEnds_data() {
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("asked to end") << false;
        QTest::newRow("ended at once") << true;
    }

    void aGroupEnds() {
        QFETCH(bool, atOnce);
        QProcess sleeper;
        startSleeper(sleeper);
        QVERIFY(sleeper.waitForStarted());
        const qint64 pid = sleeper.processId();
        QVERIFY(ProcessPlatform::isRunning(pid));
        QVERIFY(ProcessPlatform::runsProgram(pid, "sleep"));
        QVERIFY(!ProcessPlatform::runsProgram(pid, "chromedriver"));

        if (atOnce)
            ProcessPlatform::endGroup(pid);
        else
            ProcessPlatform::askGroupToEnd(pid);
        QVERIFY(sleeper.waitForFinished(kEndTimeoutMs));
        QCOMPARE(sleeper.exitStatus(), QProcess::CrashExit); // ended by the group's end
        QVERIFY(!ProcessPlatform::isRunning(pid));
    }

    void theGuardEndsTheGroupAndRemovesTheFolderWhenItsInputCloses() {
        QProcess sleeper;
        startSleeper(sleeper);
        QVERIFY(sleeper.waitForStarted());
        QTemporaryDir profiles;
        profiles.setAutoRemove(false);
        QFile cookies(profiles.filePath(QStringLiteral("Cookies")));
        QVERIFY(cookies.open(QIODevice::WriteOnly));
        cookies.close();

        QProcess guard;
        ProcessPlatform::startGroupGuard(guard, sleeper.processId(), profiles.path());
        QCOMPARE(guard.state(), QProcess::Running);
        QVERIFY(ProcessPlatform::isRunning(sleeper.processId()));
        QVERIFY(QFileInfo::exists(cookies.fileName()));

        guard.closeWriteChannel();
        QVERIFY(sleeper.waitForFinished(kEndTimeoutMs));
        QVERIFY(guard.waitForFinished(kEndTimeoutMs));
        QVERIFY(!QFileInfo::exists(profiles.path()));
    }

    void thisProgramIsRunningAndNoProcessZeroIs() {
        QVERIFY(ProcessPlatform::isRunning(QCoreApplication::applicationPid()));
        QVERIFY(!ProcessPlatform::isRunning(0));
    }
};

LETHORA_TEST_MAIN(TestProcessPlatform)
#include "tst_process_platform.moc"
