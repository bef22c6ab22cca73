// The version check from end to end against update services on 127.0.0.1: the
// operator's answers come from the recorded message seam, the modal windows are
// answered by a dialog runner, and starting the setup program is only recorded.

#include "common/DialogRunner.h"
#include "common/WorkFolder.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tests/updates/UpdateServer.h"
#include "updates/ServiceRequest.h"
#include "updates/TfiNewVer.h"
#include "updates/TfiNoConnection.h"
#include "updates/TransferCounters.h"
#include "updates/TwoPanelStatusBar.h"
#include "updates/UpdateLauncher.h"
#include "updates/UpdateTexts.h"
#include "updates/Updates.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
const QString kNewer = QStringLiteral("2025 (ver 06.22)");

class RecordingLauncher : public UpdateLauncher {
public:
    RecordingLauncher() { setUpdateLauncher(this); }
    ~RecordingLauncher() override { setUpdateLauncher(nullptr); }
    bool start(const QString& path) override {
        started << path;
        return startSucceeds;
    }
    void quitApplication() override { ++quits; }

    QStringList started;
    int quits = 0;
    bool startSucceeds = true;
};

// Answers the connection notice: notes what it showed, may tick the box, then presses
// "Συνέχεια". Other dialogs are handed to `onOther`.
class NoticeRunner {
public:
    NoticeRunner() {
        setDialogRunner([this](QDialog& dialog) {
            auto* notice = qobject_cast<TfiNoConnection*>(&dialog);
            if (!notice)
                return onOther ? onOther(dialog) : int(QDialog::Rejected);
            ++notices;
            if (onNotice)
                onNotice();
            turnedIntoNotice = !notice->isVisible() && notice->lbWait->isHidden() &&
                               !notice->lbNotCheck->isHidden() && !notice->cbNotCheck->isHidden() &&
                               !notice->btContinue->isHidden();
            notice->cbNotCheck->setChecked(tickTheBox);
            notice->btContinue->click();
            return notice->result();
        });
    }
    ~NoticeRunner() { setDialogRunner({}); }

    bool tickTheBox = false;
    int notices = 0;
    bool turnedIntoNotice = false;
    std::function<int(QDialog&)> onOther;
    std::function<void()> onNotice;
};

// A setup program of the given size, not all one byte.
QByteArray program(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char('A' + i % 26);
    return bytes;
}

QByteArray listWithSetup(qint64 setupSize) {
    return "1<br/>Setup.exe<br/>" + QByteArray::number(setupSize);
}

QString setupPath() {
    return WorkFolder::path(QStringLiteral("Upgrade/Setup.exe"));
}

QByteArray readSetup() {
    QFile file(setupPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestVersionCheck : public QObject {
    Q_OBJECT

    // A failed check: the notice, and nothing downloaded, started or said besides.
    static void verifyNoticeOnly(const NoticeRunner& runner, const RecordingMessages& messages,
                                 const RecordingLauncher& launcher) {
        QCOMPARE(runner.notices, 1);
        QVERIFY(runner.turnedIntoNotice);
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(messages.errors.isEmpty());
        QVERIFY(!QFile::exists(setupPath()));
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(launcher.quits, 0);
    }

private Q_SLOTS:
    // --- No newer version, or the operator declines ---

    void anEqualVersionIsReportedOnlyWhenAsked() {
        TestFolder folder;
        UpdateServer server;
        RecordingMessages messages;
        NoticeRunner runner;

        CheckForNewVersion(true);
        QCOMPARE(messages.shown,
                 QStringList{QStringLiteral("Δεν υπάρχει νεώτερη έκδοση της εφαρμογής")});

        messages.clear();
        CheckForNewVersion(false);
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(messages.asked.isEmpty());
        QCOMPARE(server.hits.value(QStringLiteral("version")), 2);
        QCOMPARE(server.hits.value(QStringLiteral("files")), 0);
        QCOMPARE(runner.notices, 0);
    }

    void anOlderServiceVersionIsNoNewerVersion() {
        TestFolder folder;
        UpdateServer server;
        server.version = "2025 (ver 05.30)\r\n";
        RecordingMessages messages;
        NoticeRunner runner;
        CheckForNewVersion(true);
        QCOMPARE(messages.shown, QStringList{UpdateTexts::kNoNewerVersion});
        QVERIFY(messages.asked.isEmpty());
    }

    void aNewerVersionDeclinedDownloadsNothing() {
        TestFolder folder;
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = listWithSetup(3000);
        server.setup = program(3000);
        RecordingMessages messages;
        messages.queueAnswer(false);
        RecordingLauncher launcher;
        NoticeRunner runner;

        CheckForNewVersion(false);
        QCOMPARE(messages.asked,
                 QStringList{QStringLiteral("Υπάρχει νέα έκδοση της εφαρμογής.\r\n Η διαδικασία "
                                            "ενημέρωσης θα διαρκέσει πολύ λίγο χρόνο. Θέλετε να "
                                            "την κατεβάσετε τώρα;")});
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(server.hits.value(QStringLiteral("files")), 0);
        QCOMPARE(server.hits.value(QStringLiteral("setup")), 0);
        QVERIFY(!QFile::exists(setupPath()));
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(runner.notices, 0);
    }

    // --- Download ---

    void aNewerVersionAcceptedIsWrittenStartedAndEndsTheApplication() {
        TestFolder folder;
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = "2<br/>Setup.exe<br/>3000<br/>readme.txt<br/>500";
        server.setup = program(3000);
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        NoticeRunner runner;
        transferCounters() = TransferCounters{};
        TfiNewVer window; // its status bar and progress bar follow the transfers too

        CheckForNewVersion(true);
        QCOMPARE(readSetup(), server.setup);
        QCOMPARE(launcher.started, QStringList{setupPath()});
        QCOMPARE(launcher.quits, 1);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(messages.unansweredQuestions, 0);
        QCOMPARE(runner.notices, 0);

        // 16 bytes of version text, 47 of file list and 3000 of program, of 3500 listed.
        QCOMPARE(transferCounters().expectedTotal, qint64(3500));
        QCOMPARE(transferCounters().received, qint64(3063));
        QCOMPARE(window.sbInfo->panelText(0), QStringLiteral("Παραλήφθησαν 3.063 Bytes"));
        QCOMPARE(window.sbInfo->panelText(1), QStringLiteral("από σύνολο 3.500 Bytes"));
        QCOMPARE(window.pbInfo->value(), 88);
    }

    void theExpectedTotalIsTheSumOfTheListedSizes() {
        TestFolder folder;
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = "2<br/>Lethora.exe<br/>100<br/>Help.chm<br/>50<br/>";
        server.setup = program(2000); // the list gives no size for the setup program
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        NoticeRunner runner;
        transferCounters() = TransferCounters{};
        TfiNewVer window;
        window.sbInfo->setPanelText(0, QStringLiteral("stale"));

        CheckForNewVersion(false);
        QCOMPARE(transferCounters().expectedTotal, qint64(150));
        // More arrived than was listed: the status bar is emptied.
        QVERIFY(window.sbInfo->panelText(0).isEmpty());
        QVERIFY(window.sbInfo->panelText(1).isEmpty());
        QCOMPARE(launcher.started.size(), 1);
    }

    void aDownloadThatDiffersFromTheListIsDroppedWithAMessage() {
        TestFolder folder;
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = listWithSetup(5000);
        server.setup = program(3000);
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        NoticeRunner runner;

        CheckForNewVersion(true);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown.first().contains(QStringLiteral("δεν ολοκληρώθηκε")));
        QVERIFY(messages.shown.first().contains(QStringLiteral("3.000")));
        QVERIFY(messages.shown.first().contains(QStringLiteral("5.000")));
        QVERIFY(!QFile::exists(setupPath()));
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(launcher.quits, 0);
        QCOMPARE(runner.notices, 0);
    }

    void aDownloadOf1000BytesOrLessIsDroppedSilently() {
        TestFolder folder;
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = listWithSetup(1000);
        server.setup = program(1000);
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        NoticeRunner runner;

        CheckForNewVersion(true);
        QCOMPARE(server.hits.value(QStringLiteral("setup")), 1);
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!QFile::exists(setupPath()));
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(runner.notices, 0);
    }

    void aSetupProgramThatDoesNotStartKeepsTheApplication() {
        TestFolder folder;
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = listWithSetup(3000);
        server.setup = program(3000);
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        launcher.startSucceeds = false;
        NoticeRunner runner;

        CheckForNewVersion(true);
        QCOMPARE(readSetup(), server.setup);
        QCOMPARE(messages.shown, QStringList{UpdateTexts::kSetupNotStarted});
        QCOMPARE(launcher.quits, 0);
    }

    void aSetupProgramThatCannotBeWrittenIsReportedAndNotStarted() {
        TestFolder folder;
        QFile blocker(folder.path(QStringLiteral("Upgrade"))); // a file in the folder's place
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = listWithSetup(3000);
        server.setup = program(3000);
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        NoticeRunner runner;

        CheckForNewVersion(true);
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY(messages.errors.first().startsWith(UpdateTexts::kSetupNotSaved));
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(runner.notices, 0);
    }

    // --- Failed requests and unusable answers end in the connection notice ---

    void aRefusedConnectionEndsInTheNotice() {
        TestFolder folder;
        UpdateServices::pointAt(refusingAddress(), refusingAddress(), refusingAddress());
        RecordingMessages messages;
        RecordingLauncher launcher;
        NoticeRunner runner;
        CheckForNewVersion(false);
        verifyNoticeOnly(runner, messages, launcher);
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("autocheck.ini"))));
    }

    void aServerThatNeverAnswersEndsInTheNoticeAfterTheTimeOut_data() {
        QTest::addColumn<bool>("accepts");
        QTest::newRow("accepts and stays silent") << true;
        QTest::newRow("never accepts") << false;
    }
    void aServerThatNeverAnswersEndsInTheNoticeAfterTheTimeOut() {
        QFETCH(bool, accepts);
        QCOMPARE(ServiceRequest::timeoutMs(), 5000);
        TestFolder folder;
        SilentServer silent;
        UnacceptingServer unaccepting;
        const QString address = accepts ? silent.address() : unaccepting.address();
        UpdateServices::pointAt(address, address, address);
        RecordingMessages messages;
        RecordingLauncher launcher;
        NoticeRunner runner;
        ServiceRequest::setTimeoutMs(200);
        CheckForNewVersion(true);
        ServiceRequest::setTimeoutMs(ServiceRequest::kDefaultTimeoutMs);
        verifyNoticeOnly(runner, messages, launcher);
    }

    void unusableAnswersEndInTheNotice_data() {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("fileList");
        QTest::addColumn<QString>("versionPath");
        QTest::newRow("empty version text") << QByteArray("") << QByteArray() << "/version";
        QTest::newRow("blank version text") << QByteArray(" \r\n") << QByteArray() << "/version";
        QTest::newRow("version service missing") << kNewer.toUtf8() << QByteArray() << "/nothing";
        QTest::newRow("pairs missing")
            << kNewer.toUtf8() << QByteArray("2<br/>Setup.exe<br/>3000") << "/version";
        QTest::newRow("size not a number")
            << kNewer.toUtf8() << QByteArray("1<br/>Setup.exe<br/>big") << "/version";
        QTest::newRow("empty file list") << kNewer.toUtf8() << QByteArray() << "/version";
    }
    void unusableAnswersEndInTheNotice() {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, fileList);
        QFETCH(QString, versionPath);
        TestFolder folder;
        UpdateServer server;
        server.version = version;
        server.fileList = fileList;
        server.setup = program(3000);
        UpdateServices::pointAt(server.address(versionPath.toLatin1().constData()),
                                server.address("/files"), server.address("/Setup.exe"));
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        NoticeRunner runner;

        CheckForNewVersion(true);
        verifyNoticeOnly(runner, messages, launcher);
        QCOMPARE(server.hits.value(QStringLiteral("setup")), 0);
    }

    void anInterruptedDownloadLeavesTheEarlierSetupProgram() {
        TestFolder folder;
        UpdateServer server;
        server.version = kNewer.toUtf8();
        server.fileList = listWithSetup(5000);
        HangingUpServer hangingUp(5000, 2000);
        UpdateServices::pointAt(server.address("/version"), server.address("/files"),
                                hangingUp.address());
        QDir().mkpath(folder.path(QStringLiteral("Upgrade")));
        QFile earlier(folder.path(QStringLiteral("Upgrade/Setup.exe")));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier setup program");
        earlier.close();
        RecordingMessages messages;
        messages.queueAnswer(true);
        RecordingLauncher launcher;
        NoticeRunner runner;

        CheckForNewVersion(true);
        QCOMPARE(runner.notices, 1);
        QCOMPARE(readSetup(), QByteArray("earlier setup program"));
        QVERIFY(launcher.started.isEmpty());
    }

    // --- Switching the start-up check off ---

    void tickingTheBoxSwitchesTheStartupCheckOff() {
        TestFolder folder;
        UpdateServices::pointAt(refusingAddress(), refusingAddress(), refusingAddress());
        RecordingMessages messages;
        NoticeRunner runner;
        runner.tickTheBox = true;

        RunStartupVersionCheck();
        QCOMPARE(runner.notices, 1);
        QCOMPARE(messages.shown, QStringList{UpdateTexts::kSwitchedOffMessage});
        QVERIFY(messages.shown.first().startsWith(
            QStringLiteral(" ΠΡΟΣΟΧΗ!!! Επιλέξατε να μην γίνεται αυτόματος έλεγχος")));
        QFile marker(folder.path(QStringLiteral("autocheck.ini")));
        QVERIFY(marker.open(QIODevice::ReadOnly));
        QCOMPARE(marker.readAll(), QByteArray("NOT OK\r\n"));

        // The next start does not ask the version service at all.
        UpdateServer server;
        messages.clear();
        RunStartupVersionCheck();
        QCOMPARE(server.hits.value(QStringLiteral("version")), 0);
        QCOMPARE(runner.notices, 1);
        QVERIFY(messages.shown.isEmpty());
    }

    void continuingWithoutTheBoxKeepsTheStartupCheck() {
        TestFolder folder;
        UpdateServices::pointAt(refusingAddress(), refusingAddress(), refusingAddress());
        RecordingMessages messages;
        NoticeRunner runner;

        RunStartupVersionCheck();
        QCOMPARE(runner.notices, 1);
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("autocheck.ini"))));

        UpdateServer server;
        RunStartupVersionCheck();
        QCOMPARE(server.hits.value(QStringLiteral("version")), 1);
    }

    // --- The version window ---

    void theVersionWindowRunsTheInteractiveCheck() {
        TestFolder folder;
        UpdateServer server;
        RecordingMessages messages;
        NoticeRunner runner;
        QString caption;
        bool restsDuringTheCheck = false;
        bool enabledAfterTheCheck = false;
        runner.onOther = [&](QDialog& dialog) {
            auto* window = qobject_cast<TfiNewVer*>(&dialog);
            if (!window)
                return int(QDialog::Rejected);
            caption = window->windowTitle();
            runner.onNotice = [&] { restsDuringTheCheck = !window->btUpdate->isEnabled(); };
            server.version = " ";
            window->btUpdate->click(); // a failed check ends in the notice...
            enabledAfterTheCheck = window->btUpdate->isEnabled();
            server.version = "2025 (ver 06.21)";
            window->btUpdate->click(); // ...an equal version is reported
            window->btExit->click();
            return window->result();
        };

        ShowVersionWindow(nullptr);
        QCOMPARE(caption, QStringLiteral("Έλεγχος για νέα έκδοση της εφαρμογής"));
        QCOMPARE(runner.notices, 1);
        QVERIFY(restsDuringTheCheck);
        QVERIFY(enabledAfterTheCheck);
        QCOMPARE(messages.shown, QStringList{UpdateTexts::kNoNewerVersion});
        QCOMPARE(server.hits.value(QStringLiteral("version")), 2);
    }
};

LETHORA_TEST_MAIN(TestVersionCheck)
#include "tst_version_check.moc"
