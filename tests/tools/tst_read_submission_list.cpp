// The command-line list reader over saved submission-list pages of the fake platform:
// through the real headless Chromium and through the scripted browser it prints the same
// staging rows and counts, whatever white space the headings carry. Pages without a
// list, wrong arguments and unreadable files are answered as documented.

#include "tests/portal/SampleRegister.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tools/fakeplatform/SubmissionListPage.h"
#include "tools/registergen/RegisterGenerator.h"

#include <QTemporaryDir>

namespace {
ToolRun readList(const QStringList& arguments) {
    return runTool(QStringLiteral(READ_SUBMISSION_LIST), arguments);
}

QString saved(const QTemporaryDir& folder, const QString& html) {
    const QString path = folder.filePath(QStringLiteral("list.html"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html.toUtf8());
    return path;
}

QString listPage(const QList<PlatformSubmission>& submissions, bool spaced) {
    Untidiness untidy;
    untidy.spacedHeadings = spaced;
    untidy.reorderedAttributes = spaced;
    return SubmissionListPage::page(submissions, QStringLiteral("Χρήστης: owner"),
                                    QStringLiteral("Α.Φ.Μ. 094014201"), untidy);
}
} // namespace

class TestReadSubmissionList : public QObject {
    Q_OBJECT
private slots:
    void bothBrowsersPrintTheList_data() {
        QTest::addColumn<bool>("spaced");
        QTest::newRow("tidy headings") << false;
        QTest::newRow("headings broken over lines") << true;
    }
    void bothBrowsersPrintTheList() {
        QFETCH(bool, spaced);
        const QList<PlatformSubmission> submissions = platformSubmissions(SampleRegister::shared());
        QTemporaryDir folder;
        const QString path = saved(folder, listPage(submissions, spaced));

        const ToolRun scripted = readList({QStringLiteral("--scripted"), path});
        QCOMPARE(scripted.err, QString());
        QCOMPARE(scripted.exitCode, 0);
        const QStringList lines = scripted.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // The heading row, a row per submission, the grid's last row left empty, the counts.
        QCOMPARE(lines.size(), submissions.size() + 3);
        QCOMPARE(lines.at(lines.size() - 2),
                 QString::number(submissions.size() + 1) + QString(6, QLatin1Char('\t')));
        QCOMPARE(lines.at(0).section(QLatin1Char('\t'), 1, 2),
                 QStringLiteral("0\tΑριθμός Καταχώρησης"));
        QCOMPARE(
            lines.at(1),
            QStringLiteral("1\t1\t1001\t%1\tΜΙΣΘΩΤΗΣ <1>\t%2\tΑρχική")
                .arg(submissions.first().values.value(QStringLiteral("DateDisplay")).toString(),
                     submissions.first().stage));
        QCOMPARE(lines.at(2).section(QLatin1Char('\t'), 2, 2),
                 QStringLiteral("1002 (Τροποποιεί το Α/Α 1001)"));
        QCOMPARE(lines.last(), QStringLiteral("counts\t3\t2"));

        const ToolRun chromium = readList({path});
        QCOMPARE(chromium.err, QString());
        QCOMPARE(chromium.exitCode, 0);
        // The rendered headings differ in white space between the browsers; the rest not.
        QCOMPARE(chromium.out.split(QLatin1Char('\n')).mid(1),
                 scripted.out.split(QLatin1Char('\n')).mid(1));
    }

    void pagesAndArgumentsTheToolRefuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("no list table")
            << QStringList({QStringLiteral("--scripted"), QStringLiteral("PAGE")}) << 0
            << QStringLiteral("0\t0\t1\t2\t3\t4\t5\ncounts\t0\t0\n");
        QTest::newRow("no file") << QStringList() << 2 << QString();
        QTest::newRow("two files")
            << QStringList({QStringLiteral("PAGE"), QStringLiteral("PAGE")}) << 2 << QString();
        QTest::newRow("unknown option")
            << QStringList({QStringLiteral("--chromium")}) << 2 << QString();
        QTest::newRow("missing file")
            << QStringList({QStringLiteral("--scripted"), QStringLiteral("/nonexistent.html")}) << 1
            << QString();
        QTest::newRow("a folder") << QStringList(
                                         {QStringLiteral("--scripted"), QStringLiteral("/")})
                                  << 1 << QString();
    }
    void pagesAndArgumentsTheToolRefuses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QTemporaryDir folder;
        const QString page = saved(folder, QStringLiteral("<html><body><p>Καμία λίστα</p>"
                                                          "<table><tr><td>1</td></tr></table>"
                                                          "</body></html>"));
        arguments.replaceInStrings(QStringLiteral("PAGE"), page);
        const ToolRun run = readList(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
    }
};

LETHORA_TEST_MAIN(TestReadSubmissionList)
#include "tst_read_submission_list.moc"
