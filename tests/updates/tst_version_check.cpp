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
#include "updates/VersionCheck.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

namespace {
class RecordingLauncher : public UpdateLauncher {
public:
    RecordingLauncher() { setUpdateLauncher(this); }
    ~RecordingLauncher() override { setUpdateLauncher(nullptr); }
    bool start(const QString& path) override {
        started << path;
        return true;
    }
    void quitApplication() override { ++quits; }

    QStringList started;
    int quits = 0;
};

// Answers the connection notice: notes whether it was turned into the notice, ticks
// the box if told to and presses "Συνέχεια". Other dialogs go to `onOther`.
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
    ~NoticeRunner() { rejectUnexpectedDialogs(); }

    bool tickTheBox = false;
    int notices = 0;
    bool turnedIntoNotice = false;
    std::function<int(QDialog&)> onOther;
    std::function<void()> onNotice;
};

struct Fixture {
    TestFolder folder;
    UpdateServer server;
    RecordingMessages messages;
    RecordingLauncher launcher;
    NoticeRunner runner;
};

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

    std::unique_ptr<Fixture> f;

    // A newer version that the operator agrees to download, with the file list and a
    // setup program of `size` bytes.
    void offerNewVersion(const QByteArray& fileList, int size) {
        f->server.version = "2025 (ver 06.22)";
        f->server.fileList = fileList;
        f->server.setup.resize(size);
        for (int i = 0; i < size; ++i)
            f->server.setup[i] = char('A' + i % 26);
        f->messages.queueAnswer(true);
    }

    // Nothing downloaded, started or said.
    void verifyNothingDone() {
        QVERIFY(f->messages.shown.isEmpty());
        QVERIFY(f->messages.errors.isEmpty());
        QVERIFY(!QFile::exists(setupPath()));
        QVERIFY(f->launcher.started.isEmpty());
        QCOMPARE(f->launcher.quits, 0);
    }

    void verifyNoticeOnly() {
        QCOMPARE(f->runner.notices, 1);
        QVERIFY(f->runner.turnedIntoNotice);
        verifyNothingDone();
    }

private Q_SLOTS:
    void init() {
        f = std::make_unique<Fixture>();
        transferCounters() = TransferCounters{};
    }
    void cleanup() { f.reset(); }

    // --- No newer version, or the operator declines ---

    void anEqualVersionIsReportedOnlyWhenAsked() {
        CheckForNewVersion(true);
        QCOMPARE(f->messages.shown,
                 QStringList{QStringLiteral("Δεν υπάρχει νεώτερη έκδοση της εφαρμογής")});
        f->messages.clear();
        CheckForNewVersion(false);
        QCOMPARE(f->server.hits.value(QStringLiteral("/version")), 2);
        QVERIFY(f->messages.asked.isEmpty());
        QCOMPARE(f->runner.notices, 0);
        verifyNothingDone();
    }

    // The check itself asks nothing and downloads nothing: the download waits for its own
    // call, made once the operator agreed.
    void aNewerVersionOfferedWaitsForTheDownloadCall() {
        offerNewVersion("1<br/>Setup.exe<br/>3000", 3000);
        f->messages.answers.clear();
        QVERIFY(VersionCheck::newerVersionOffered());
        QCOMPARE(f->server.hits.value(QStringLiteral("/files")), 0);
        QCOMPARE(f->server.hits.value(QStringLiteral("/Setup.exe")), 0);
        verifyNothingDone();

        VersionCheck::downloadAndStartSetup();
        QCOMPARE(readSetup(), f->server.setup);
        QCOMPARE(f->launcher.started, QStringList{setupPath()});
        QCOMPARE(f->launcher.quits, 1);
    }

    void aNewerVersionDeclinedDownloadsNothing() {
        offerNewVersion("1<br/>Setup.exe<br/>3000", 3000);
        f->messages.answers = {false};
        CheckForNewVersion(false);
        QCOMPARE(f->messages.asked,
                 QStringList{QStringLiteral("Υπάρχει νέα έκδοση της εφαρμογής.\r\n Η διαδικασία "
                                            "ενημέρωσης θα διαρκέσει πολύ λίγο χρόνο. Θέλετε να "
                                            "την κατεβάσετε τώρα;")});
        QCOMPARE(f->server.hits.value(QStringLiteral("/files")), 0);
        QCOMPARE(f->server.hits.value(QStringLiteral("/Setup.exe")), 0);
        QCOMPARE(f->runner.notices, 0);
        verifyNothingDone();
    }

    // --- Download ---

    void anAcceptedVersionIsWrittenStartedAndEndsTheApplication() {
        offerNewVersion("2<br/>Setup.exe<br/>3000<br/>readme.txt<br/>500", 3000);
        TfiNewVer window; // its status bar and progress bar follow the transfers too
        CheckForNewVersion(true);
        QCOMPARE(readSetup(), f->server.setup);
        QCOMPARE(f->launcher.started, QStringList{setupPath()});
        QCOMPARE(f->launcher.quits, 1);
        QVERIFY(f->messages.shown.isEmpty());
        QCOMPARE(f->runner.notices, 0);
        QCOMPARE(f->server.underHourglass, QList<bool>({true, true, true}));
        QVERIFY(!QApplication::overrideCursor()); // the pointer is given back
        // 16 bytes of version text, 47 of file list and 3000 of program, of 3500 listed.
        QCOMPARE(window.sbInfo->panelText(0), QStringLiteral("Παραλήφθησαν 3.063 Bytes"));
        QCOMPARE(window.sbInfo->panelText(1), QStringLiteral("από σύνολο 3.500 Bytes"));
        QCOMPARE(window.pbInfo->value(), 88);
    }

    void theExpectedTotalIsTheSumOfTheListedSizes() {
        offerNewVersion("2<br/>Lethora.exe<br/>100<br/>Help.chm<br/>50", 2000);
        TfiNewVer window;
        CheckForNewVersion(false);
        QCOMPARE(transferCounters().expectedTotal, qint64(150));
        QVERIFY(window.sbInfo->panelText(0).isEmpty()); // more arrived than listed
    }

    void aDownloadTheListDoesNotNameIsNeitherKeptNorStarted() {
        // An error page or a cut transfer of more than 1000 bytes, with no setup program
        // in the file list: the earlier setup program stays as it was.
        offerNewVersion("2<br/>Lethora.exe<br/>100<br/>Help.chm<br/>50", 2000);
        QDir().mkpath(WorkFolder::path(QStringLiteral("Upgrade")));
        QFile earlier(setupPath());
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        QCOMPARE(earlier.write("earlier"), qint64(7));
        earlier.close();
        CheckForNewVersion(true);
        QCOMPARE(f->server.hits.value(QStringLiteral("/Setup.exe")), 1);
        QCOMPARE(f->messages.shown, QStringList{UpdateTexts::kSetupNotListed});
        QCOMPARE(readSetup(), QByteArray("earlier"));
        QVERIFY(f->launcher.started.isEmpty());
        QCOMPARE(f->launcher.quits, 0);
    }

    void aDownloadThatDiffersFromTheListIsDroppedWithAMessage() {
        offerNewVersion("1<br/>Setup.exe<br/>5000", 3000);
        CheckForNewVersion(true);
        QCOMPARE(f->messages.shown.size(), 1);
        const QString message = f->messages.shown.takeFirst();
        QVERIFY(message.contains(QStringLiteral("δεν ολοκληρώθηκε")));
        QVERIFY2(message.contains(QStringLiteral("3.000")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("5.000")), qPrintable(message));
        verifyNothingDone();
    }

    void aDownloadOf1000BytesOrLessIsDroppedSilently() {
        offerNewVersion("1<br/>Setup.exe<br/>1000", 1000);
        CheckForNewVersion(true);
        QCOMPARE(f->server.hits.value(QStringLiteral("/Setup.exe")), 1);
        QCOMPARE(f->runner.notices, 0);
        verifyNothingDone();
    }

    void anInterruptedDownloadLeavesTheEarlierSetupProgram() {
        offerNewVersion("1<br/>Setup.exe<br/>4000", 0);
        BrokenServer hangingUp(2000);
        pointUpdateServicesAt(f->server.address(QStringLiteral("/version")),
                              f->server.address(QStringLiteral("/files")), hangingUp.address());
        QDir().mkpath(WorkFolder::path(QStringLiteral("Upgrade")));
        QFile earlier(setupPath());
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        QCOMPARE(earlier.write("earlier"), qint64(7));
        earlier.close();
        CheckForNewVersion(true);
        QCOMPARE(f->runner.notices, 1);
        QCOMPARE(readSetup(), QByteArray("earlier"));
        QVERIFY(f->launcher.started.isEmpty());
    }

    void aSetupProgramThatCannotBeWrittenIsReportedAndNotStarted() {
        QFile blocker(WorkFolder::path(QStringLiteral("Upgrade"))); // a file, not a folder
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        offerNewVersion("1<br/>Setup.exe<br/>3000", 3000);
        CheckForNewVersion(true);
        QCOMPARE(f->messages.errors.size(), 1);
        QVERIFY(f->messages.errors.first().startsWith(UpdateTexts::kSetupNotSaved));
        QVERIFY(f->launcher.started.isEmpty());
    }

    // --- Failed requests and unusable answers end in the connection notice ---

    void noServerEndsInTheNotice() {
        pointUpdateServicesAt(refusingAddress(), refusingAddress(), refusingAddress());
        CheckForNewVersion(false);
        verifyNoticeOnly();
        QVERIFY(!QFile::exists(WorkFolder::path(QStringLiteral("autocheck.ini"))));
    }

    void aServerThatNeverAnswersEndsInTheNoticeAfterTheTimeOut() {
        QCOMPARE(ServiceRequest::timeoutMs(), 5000);
        BrokenServer silent;
        pointUpdateServicesAt(silent.address(), silent.address(), silent.address());
        ServiceRequest::setTimeoutMs(200);
        CheckForNewVersion(true);
        ServiceRequest::setTimeoutMs(ServiceRequest::kDefaultTimeoutMs);
        verifyNoticeOnly();
    }

    void unusableAnswersEndInTheNotice_data() {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("fileList");
        QTest::addColumn<QString>("versionPath");
        QTest::addColumn<bool>("asked"); // whether a newer version was offered first
        const QByteArray newer("2025 (ver 06.22)");
        QTest::newRow("empty version text")
            << QByteArray(" \r\n") << QByteArray() << "/version" << false;
        QTest::newRow("no version service") << newer << QByteArray() << "/nothing" << false;
        QTest::newRow("pairs missing")
            << newer << QByteArray("2<br/>Setup.exe<br/>3000") << "/version" << true;
        QTest::newRow("size not a number")
            << newer << QByteArray("1<br/>Setup.exe<br/>3 MB") << "/version" << true;
    }
    void unusableAnswersEndInTheNotice() {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, fileList);
        QFETCH(QString, versionPath);
        QFETCH(bool, asked);
        offerNewVersion(fileList, 3000);
        if (!asked)
            f->messages.answers.clear();
        f->server.version = version;
        pointUpdateServicesAt(f->server.address(versionPath),
                              f->server.address(QStringLiteral("/files")),
                              f->server.address(QStringLiteral("/Setup.exe")));
        CheckForNewVersion(true);
        QCOMPARE(f->messages.asked.size(), asked ? 1 : 0);
        verifyNoticeOnly();
        QCOMPARE(f->server.hits.value(QStringLiteral("/Setup.exe")), 0);
    }

    // --- Switching the start-up check off ---

    void tickingTheBoxSwitchesTheStartupCheckOff() {
        pointUpdateServicesAt(refusingAddress(), refusingAddress(), refusingAddress());
        f->runner.tickTheBox = true;
        RunStartupVersionCheck();
        QCOMPARE(f->runner.notices, 1);
        QCOMPARE(f->messages.shown, QStringList{UpdateTexts::kSwitchedOffMessage});
        QVERIFY(f->messages.shown.first().startsWith(
            QStringLiteral(" ΠΡΟΣΟΧΗ!!! Επιλέξατε να μην γίνεται αυτόματος έλεγχος")));
        QFile marker(WorkFolder::path(QStringLiteral("autocheck.ini")));
        QVERIFY(marker.open(QIODevice::ReadOnly));
        QCOMPARE(marker.readAll(), QByteArray("NOT OK\r\n"));

        // The next start does not ask the version service at all.
        UpdateServer server;
        RunStartupVersionCheck();
        QCOMPARE(server.hits.value(QStringLiteral("/version")), 0);
        QCOMPARE(f->runner.notices, 1);
    }

    // --- The version window ---

    void theVersionWindowRunsTheInteractiveCheck() {
        bool restsDuringTheCheck = false;
        bool enabledAfterTheCheck = false;
        f->runner.onOther = [&](QDialog& dialog) {
            auto* window = qobject_cast<TfiNewVer*>(&dialog);
            if (!window)
                return int(QDialog::Rejected);
            f->runner.onNotice = [&] { restsDuringTheCheck = !window->btUpdate->isEnabled(); };
            f->server.version = " ";
            window->btUpdate->click(); // a failed check ends in the notice...
            enabledAfterTheCheck = window->btUpdate->isEnabled();
            f->server.version = "2025 (ver 06.21)";
            window->btUpdate->click(); // ...an equal version is reported
            window->btExit->click();
            return window->result();
        };
        ShowVersionWindow(nullptr);
        QCOMPARE(f->runner.notices, 1);
        QVERIFY(restsDuringTheCheck);
        QVERIFY(enabledAfterTheCheck);
        QCOMPARE(f->messages.shown, QStringList{UpdateTexts::kNoNewerVersion});
    }
};

LETHORA_TEST_MAIN(TestVersionCheck)
#include "tst_version_check.moc"
