// Grids over cursors: a table that fails while a list is painted or moved in goes
// through the general error report, and the program goes on.

#include "store/CursorGrid.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTableView>

class TestCursorGrid : public QObject {
    Q_OBJECT

    void run(const QString& sql) {
        StoreQuery q;
        q.setSql(sql);
        q.execSql();
    }

    // Writes over the table file's header, as a damaged file on a shared folder reads.
    void damage(const QString& table) {
        QFile file(folder->path(QStringLiteral("Data/1/") + table + QStringLiteral(".DB")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.write(QByteArray(100, 'x')) == 100);
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        QDir().mkpath(folder->path(QStringLiteral("Data/1")));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\1"));
        for (int dilCode : {10, 20}) {
            run(QStringLiteral("INSERT INTO 'Data\\1\\MistDilMast.DB' (DilCode) VALUES (%1)")
                    .arg(dilCode));
            run(QStringLiteral("INSERT INTO 'Data\\1\\MistDilAkinita.DB' (DilCode, AA) "
                               "VALUES (%1, 1)")
                    .arg(dilCode));
        }
    }
    void cleanup() { folder.reset(); }

    void aFailingTableIsReportedAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<bool>("moving");
        QTest::newRow("painting a list whose rows are read lazily") << "MistDilMast" << false;
        QTest::newRow("moving in a list whose details are read again") << "MistDilAkinita" << true;
    }
    void aFailingTableIsReportedAndTheProgramGoesOn() {
        QFETCH(QString, damaged);
        QFETCH(bool, moving);
        RecordingMessages messages;
        TableCursor mast, akinita;
        mast.setTableName(QStringLiteral("Data\\1\\MistDilMast.DB"));
        mast.setIndexName(QStringLiteral("DilCodeDescIdx"));
        akinita.setTableName(QStringLiteral("Data\\1\\MistDilAkinita.DB"));
        if (moving) // a detail reads its master's current row at once
            akinita.setMasterLink(&mast, QStringLiteral("DilCode"));
        mast.open();
        akinita.open();
        QTableView mastView, akinitaView;
        bindGrid(&mastView, &mast, {{QStringLiteral("DilCode"), QStringLiteral("Αρ.")}});
        bindGrid(&akinitaView, &akinita, {{QStringLiteral("AA"), QStringLiteral("Α/Α")}});
        mastView.resize(300, 200);
        if (moving) {
            mastView.grab();
            damage(damaged);
            mastView.selectionModel()->setCurrentIndex(mastView.model()->index(1, 0),
                                                       QItemSelectionModel::ClearAndSelect);
            QCOMPARE(mast.position(), 1); // the move itself stands
        } else {
            damage(damaged);
            mastView.grab();
            mastView.grab(); // painted again: reported once
        }
        QCoreApplication::processEvents();
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY2(messages.errors.first().startsWith(QStringLiteral("Σφάλμα πίνακα")),
                 qPrintable(messages.errors.first()));
        mast.close();
        akinita.close();
    }

private:
    std::unique_ptr<TestFolder> folder;
};

LETHORA_TEST_MAIN(TestCursorGrid)
#include "tst_cursor_grid.moc"
