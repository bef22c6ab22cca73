// The staging grid: cells, the header row and the look-up of a submission.

#include "tests/support/TestMain.h"
#include "workspace/StagingGrid.h"

class TestStagingGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerRowAndCells() {
        StagingGrid grid;
        QCOMPARE(grid.rowCount(), 1000);
        grid.fillHeaderRow();
        QCOMPARE(grid.cell(0, 0), QStringLiteral("0"));
        QCOMPARE(grid.cell(1199, 0), QStringLiteral("1199"));
        QCOMPARE(grid.cell(1200, 0), QString());
        grid.setCell(500, 999, QStringLiteral("x"));
        QCOMPARE(grid.cell(500, 999), QStringLiteral("x"));
        grid.setRowCount(1500);
        grid.setCell(3, 1400, QStringLiteral("y"));
        QCOMPARE(grid.cell(3, 1400), QStringLiteral("y"));
        grid.clearAll();
        QCOMPARE(grid.cell(0, 0), QString());
        QCOMPARE(grid.cell(3, 1400), QString());
    }

    void findsTheLastMatchingSubmission() {
        StagingGrid grid;
        grid.setRowCount(5);
        grid.setCell(1, 1, QStringLiteral("1203"));
        grid.setCell(5, 1, QStringLiteral("Αρχική"));
        grid.setCell(1, 2, QStringLiteral("  4512 (Τροποποιεί το Α/Α 1203)"));
        grid.setCell(5, 2, QStringLiteral("Τροποποιητική"));
        grid.setCell(1, 3, QStringLiteral("1203 (σημείωση)"));
        grid.setCell(5, 3, QStringLiteral("Λύση"));
        grid.setCell(1, 4, QStringLiteral("12034"));
        grid.setCell(5, 4, QStringLiteral("Αρχική"));
        const StagingGrid::Found last = grid.FindInSubmissionList(QStringLiteral("1203"));
        QCOMPARE(last.row, 3);
        QCOMPARE(last.kind, StagingGrid::Kind::Termination);
        const StagingGrid::Found amending = grid.FindInSubmissionList(QStringLiteral("4512"));
        QCOMPARE(amending.row, 2);
        QCOMPARE(amending.kind, StagingGrid::Kind::Amending);
        QCOMPARE(grid.FindInSubmissionList(QStringLiteral("999")).row, 0);
        grid.setCell(0, 0, QStringLiteral("1203")); // the header row is never a submission
        grid.setCell(1, 0, QStringLiteral("1203"));
        QCOMPARE(grid.FindInSubmissionList(QStringLiteral("1203")).row, 3);
    }
};

LETHORA_TEST_MAIN(TestStagingGrid)
#include "tst_staging_grid.moc"
