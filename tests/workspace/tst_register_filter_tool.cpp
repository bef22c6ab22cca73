// The register-filter tool gives what the workspace's own filter and searches give.

#include "companies/CurrentCompany.h"
#include "store/StoreQuery.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tests/workspace/RegisterFixture.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"
#include "workspace/QuickSearch.h"
#include "workspace/RegisterFilter.h"
#include "workspace/StoredCounts.h"

#include <QProcess>

class TestRegisterFilterTool : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode;
        QStringList lines;
    };
    Run tool(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(REGISTER_FILTER), QStringList{fixture->folder().root(), afm} + args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
    }
    QStringList markedNow() {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT DilCode from '") + StoredDeclarations::mastPath() +
                 QStringLiteral("' where FilterField = 1 order by DilCode desc"));
        q.open();
        QStringList codes;
        for (q.first(); !q.eof(); q.next())
            codes << q.value(0).toString();
        return codes;
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<RegisterFixture>(afm);
        writeRegister(generateRegister(afm, 400, 5), afm);
    }
    void cleanup() { fixture.reset(); }

    void filtersLikeTheWorkspace() {
        FilterCriteria c;
        c.stage = StageChoice::Active;
        c.dateFrom = QStringLiteral("01/01/2026");
        c.dateTo = QStringLiteral("31/12/2027");
        RegisterFilter::run(c);
        const QStringList expected = markedNow();
        QVERIFY(!expected.isEmpty());
        const Run run =
            tool({"filter", "--stage", "2", "--from", "01/01/2026", "--to", "31/12/2027"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, expected);
        QCOMPARE(tool({"filter", "--stage", "1"}).lines, QStringList()); // nothing marked
    }

    void searchesLikeTheWorkspace() {
        QuickSearch search;
        QStringList expected;
        for (int n = 0; n < 4; ++n)
            if (auto hit = search.search(QuickSearchKind::Number, QStringLiteral("1")))
                expected << QString::number(*hit);
        const Run run = tool({"search", "number", "1", "--repeat", "4"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, expected);
    }

    // The tool only reads the register: the workspace's marks stay as they were.
    void leavesTheWorkspacesMarksAsTheyWere() {
        FilterCriteria provisional;
        provisional.stage = StageChoice::Provisional;
        RegisterFilter::run(provisional);
        const QStringList marks = markedNow();
        QVERIFY(!marks.isEmpty());
        const Run run = tool({"filter", "--stage", "3"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.lines != marks);
        QCOMPARE(markedNow(), marks);
    }

    // Two filter runs at once on the company, as from two workstations: each prints what
    // it prints alone.
    void runsAtOnceEachPrintTheirOwnDeclarations() {
        const QList<QStringList> criteria = {{"filter", "--stage", "4"},
                                             {"filter", "--stage", "3"}};
        const QList<QStringList> alone = {tool(criteria.at(0)).lines, tool(criteria.at(1)).lines};
        QVERIFY(!alone.at(0).isEmpty());
        QVERIFY(!alone.at(1).isEmpty());
        for (int pair = 0; pair < 10; ++pair) {
            QProcess runs[2];
            for (int i = 0; i < 2; ++i)
                runs[i].start(QStringLiteral(REGISTER_FILTER),
                              QStringList{fixture->folder().root(), afm} + criteria.at(i));
            for (int i = 0; i < 2; ++i) {
                QVERIFY(runs[i].waitForFinished(60000));
                QCOMPARE(runs[i].exitCode(), 0);
                QCOMPARE(QString::fromUtf8(runs[i].readAllStandardOutput())
                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                         alone.at(i));
            }
        }
    }

    void refusesBadArguments() {
        const QStringList wrongLines[] = {{"filter", "--from", "31/02/2026"},
                                          {"filter", "--stage", "9"},
                                          {"search", "colour", "x"},
                                          {"sort"},
                                          {"filter", "--stage"}};
        for (const QStringList& args : wrongLines) {
            const ToolRun run = runTool(QStringLiteral(REGISTER_FILTER),
                                        QStringList{fixture->folder().root(), afm} + args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(reasonIsGreek(run), qPrintable(run.err));
        }
        QCOMPARE(tool({"filter", "--adjustable", "--from", "01/01/2026"}).exitCode, 1);
        QProcess p;
        p.start(QStringLiteral(REGISTER_FILTER),
                {fixture->folder().root(), QStringLiteral("999999999"), "filter"});
        p.waitForFinished(60000);
        QCOMPARE(p.exitCode(), 1);
    }

private:
    const QString afm = QStringLiteral("094014201");
    std::unique_ptr<RegisterFixture> fixture;
};

LETHORA_TEST_MAIN(TestRegisterFilterTool)
#include "tst_register_filter_tool.moc"
