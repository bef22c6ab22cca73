// The rules of the version check without a network: version texts, the file list,
// the progress texts and the judgement of a download.

#include "tests/support/TestMain.h"
#include "updates/FileList.h"
#include "updates/SetupProgram.h"
#include "updates/TransferCounters.h"
#include "updates/UpdateFailure.h"
#include "updates/VersionText.h"

class TestUpdateRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void versionTextsCompareCharacterByCharacter_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("newer");
        QTest::newRow("equal") << QByteArray("2025 (ver 06.21)") << false;
        QTest::newRow("equal with a line break") << QByteArray("  2025 (ver 06.21)\r\n") << false;
        QTest::newRow("next release") << QByteArray("2025 (ver 06.22)") << true;
        QTest::newRow("older") << QByteArray("2025 (ver 06.20)") << false;
        QTest::newRow("as text, not as number") << QByteArray("2025 (ver 06.3)") << true;
        QTest::newRow("capital letters sort first") << QByteArray("2025 (VER 07.00)") << false;
    }
    void versionTextsCompareCharacterByCharacter() {
        QFETCH(QByteArray, answer);
        QFETCH(bool, newer);
        QCOMPARE(VersionText::isNewer(VersionText::fromAnswer(answer)), newer);
    }

    void anAnswerWithoutVersionTextFails() {
        QVERIFY_THROWS_EXCEPTION(UpdateFailure, VersionText::fromAnswer(QByteArray()));
        QVERIFY_THROWS_EXCEPTION(UpdateFailure, VersionText::fromAnswer(" \r\n"));
    }

    void theFileListGivesTheFilesAndTheirTotal() {
        const FileList list = parseFileList("2<br/>Lethora.exe<br/>100<br/>Help.chm<br/>50");
        QCOMPARE(list.files.size(), 2);
        QCOMPARE(list.files.at(0).name, QStringLiteral("Lethora.exe"));
        QCOMPARE(list.files.at(1).size, 50);
        QCOMPARE(list.totalSize(), 150);
        QVERIFY(!list.setupSize());

        const FileList spaced = parseFileList(" 1 <br/>\r\nUpgrade\\SETUP.EXE<br/> 3000 <br/>");
        QCOMPARE(spaced.totalSize(), 3000);
        QCOMPARE(spaced.setupSize(), std::optional<qint64>(3000));
        QCOMPARE(parseFileList("1<br/>files/Setup.exe<br/>4096").setupSize(),
                 std::optional<qint64>(4096));
        QVERIFY(!parseFileList("1<br/>OldSetup.exe<br/>4096").setupSize());

        QCOMPARE(parseFileList("0").totalSize(), 0);
        // Items after the announced pairs are not files.
        QCOMPARE(parseFileList("1<br/>a<br/>7<br/>b<br/>9").files.size(), 1);
    }

    void aMalformedFileListFails_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("pairs missing") << QByteArray("2<br/>Setup.exe<br/>3000");
        QTest::newRow("half a pair") << QByteArray("2<br/>Setup.exe<br/>3000<br/>Help.chm");
        QTest::newRow("count not a number") << QByteArray("two<br/>a<br/>1<br/>b<br/>2");
        QTest::newRow("size not a number") << QByteArray("1<br/>Setup.exe<br/>3 KB");
        QTest::newRow("negative size") << QByteArray("1<br/>Setup.exe<br/>-3000");
        QTest::newRow("huge count") << QByteArray("9223372036854775807<br/>a<br/>1");
    }
    void aMalformedFileListFails() {
        QFETCH(QByteArray, answer);
        QVERIFY_THROWS_EXCEPTION(UpdateFailure, parseFileList(answer));
    }

    void progressTextsAndPercentage() {
        TransferCounters counters;
        counters.expectedTotal = 150000;
        counters.received = 1234;
        counters.inProgress = 99999; // only a finished transfer counts
        ProgressReport report = progressReport(counters);
        QCOMPARE(report.receivedText, QStringLiteral("Παραλήφθησαν 1.234 Bytes"));
        QCOMPARE(report.totalText, QStringLiteral("από σύνολο 150.000 Bytes"));
        QCOMPARE(report.percent, std::optional<int>(1));

        counters.endTransfer();
        QCOMPARE(counters.received, 101233);
        QCOMPARE(counters.inProgress, 0);
        QCOMPARE(progressReport(counters).percent, std::optional<int>(67)); // 67.49 rounded

        counters.received = counters.expectedTotal;
        report = progressReport(counters);
        QCOMPARE(report.receivedText, QStringLiteral("Παραλήφθησαν 150.000 Bytes"));
        QCOMPARE(report.percent, std::optional<int>(100));
    }

    void progressBeyondTheExpectedTotalEmptiesTheTexts() {
        TransferCounters counters;
        counters.received = 16; // the version text, before any file list
        ProgressReport report = progressReport(counters);
        QVERIFY(report.receivedText.isEmpty());
        QVERIFY(report.totalText.isEmpty());
        QVERIFY(!report.percent);

        counters.expectedTotal = 150;
        counters.received = 300;
        report = progressReport(counters);
        QVERIFY(report.receivedText.isEmpty());
        QVERIFY(report.totalText.isEmpty());
        QCOMPARE(report.percent, std::optional<int>(100));
    }

    void aDownloadIsKeptOnlyWhenLargeListedAndWhole_data() {
        using SetupProgram::Verdict;
        QTest::addColumn<qint64>("downloaded");
        QTest::addColumn<qint64>("listed"); // -1: the list names no setup program
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("1000 bytes, unlisted") << qint64(1000) << qint64(-1) << Verdict::TooSmall;
        QTest::newRow("1000 bytes, listed") << qint64(1000) << qint64(1000) << Verdict::TooSmall;
        QTest::newRow("nothing") << qint64(0) << qint64(5000) << Verdict::TooSmall;
        QTest::newRow("1001 bytes, unlisted") << qint64(1001) << qint64(-1) << Verdict::Unlisted;
        QTest::newRow("an error page, unlisted") << qint64(5000) << qint64(-1) << Verdict::Unlisted;
        QTest::newRow("whole") << qint64(5000) << qint64(5000) << Verdict::Keep;
        QTest::newRow("cut") << qint64(3000) << qint64(5000) << Verdict::Incomplete;
        QTest::newRow("longer") << qint64(6000) << qint64(5000) << Verdict::Incomplete;
    }
    void aDownloadIsKeptOnlyWhenLargeListedAndWhole() {
        QFETCH(qint64, downloaded);
        QFETCH(qint64, listed);
        QFETCH(SetupProgram::Verdict, verdict);
        QCOMPARE(SetupProgram::judge(downloaded,
                                     listed < 0 ? std::nullopt : std::optional<qint64>(listed)),
                 verdict);
    }
};

LETHORA_TEST_MAIN(TestUpdateRules)
#include "tst_update_rules.moc"
