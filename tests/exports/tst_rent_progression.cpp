// The rent progression of the current declaration: table, heading lines and chart.

#include "exports/ChartModel.h"
#include "exports/RentProgression.h"
#include "store/TableStore.h"
#include "tests/exports/ExportFixture.h"
#include "tests/support/TestMain.h"

class TestRentProgression : public QObject {
    Q_OBJECT

    std::unique_ptr<ExportFixture> fx;

    void openView() { fx->openView(); }
    const SheetModel& sheet() { return fx->sheet(); }
    QString at(int row, int column) { return fx->at(row, column); }
    QString chartBlock() { return areaName(*sheet().charts().front()->source()); }

    // Statistics on the amending declarations under which the store reads them through
    // the primary key, in ascending order, rather than through the descending index.
    void favourThePrimaryKey() {
        const QString path = dmTables().tblMistDilDet.tableName();
        TableStore& store = TableStore::instance();
        const QString schema = store.acquire(path);
        store.exec(QStringLiteral("ANALYZE ") + store.qualifiedName(path));
        store.exec(QStringLiteral("UPDATE ") + schema +
                   QStringLiteral(".sqlite_stat1 SET stat = CASE WHEN idx LIKE 'sqlite_autoindex%' "
                                  "THEN '1000000 1 1' ELSE '1000000 1000000 1' END"));
        store.exec(QStringLiteral("ANALYZE ") + schema + QStringLiteral(".sqlite_master"));
        store.release(path);
    }

private Q_SLOTS:
    void init() { fx = std::make_unique<ExportFixture>(); }
    void cleanup() { fx.reset(); }

    void oneEntryWithoutAmendments() {
        fx->declarations.declaration(1203, {{"MistosiApoDate", "01/12/2024 00:00"},
                                            {"TotalMistoma", 0.0},
                                            {"MistAFM1", "094014298"},
                                            {"MistName1", "ΟΙΚΟΝΟΜΟΥ"},
                                            {"MistName2", "ΑΛΛΟΣ"}});
        fx->declarations.property(1203, 1, {{"Descr", "Διαμέρισμα"}});
        openView();
        btExportExelixiClick();
        QVERIFY(fx->app->isVisible());
        QCOMPARE(at(15, 2), QStringLiteral("Αρ. Δήλωσης"));
        QCOMPARE(at(16, 2), QStringLiteral("1203"));
        QCOMPARE(at(16, 3), QStringLiteral("01/12/2024"));
        QVERIFY(!sheet().value(16, 4).isNull()); // a rent of 0 is written
        QCOMPARE(sheet().style(16, 2).fill, 65535);
        QCOMPARE(at(3, 3), QStringLiteral("094014298"));
        QCOMPARE(at(4, 3), QStringLiteral("ΟΙΚΟΝΟΜΟΥ"));
        QCOMPARE(at(7, 3), QStringLiteral("Διαμέρισμα"));
        QVERIFY(at(8, 2).isEmpty()); // no other property line
        QCOMPARE(chartBlock(), QStringLiteral("C15:D16"));
        QCOMPARE(sheet().charts().front()->title(),
                 QStringLiteral("Οικονομική Εξέλιξη Μισθώματος"));
    }

    void amendmentsFollowAndOnlyTheLastIsYellow() {
        fx->declarations.declaration(1, {{"TotalMistoma", 300.0}});
        for (int k = 1; k <= 3; ++k)
            fx->declarations.amendment(1, 10 + k, {{"TotalMistoma", 300.0 + k * 10}});
        openView();
        btExportExelixiClick();
        QCOMPARE(at(16, 2), QStringLiteral("1"));
        QCOMPARE(at(17, 2), QStringLiteral("11"));
        QCOMPARE(at(19, 2), QStringLiteral("13"));
        QCOMPARE(sheet().style(19, 4).fill, 65535);
        QCOMPARE(sheet().style(18, 4).fill, -1);
        QCOMPARE(chartBlock(), QStringLiteral("C15:D19"));
    }

    void amendmentsFollowFilingOrderWhateverTheQueryPlan_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<bool>("byPrimaryKey");
        QTest::newRow("stored as filed") << QList<int>{11, 12, 13} << false;
        QTest::newRow("stored as filed, read by the primary key") << QList<int>{11, 12, 13} << true;
        QTest::newRow("stored out of order") << QList<int>{13, 11, 12} << false;
        QTest::newRow("stored out of order, read by the primary key")
            << QList<int>{13, 11, 12} << true;
    }
    void amendmentsFollowFilingOrderWhateverTheQueryPlan() {
        QFETCH(QList<int>, stored);
        QFETCH(bool, byPrimaryKey);
        fx->declarations.declaration(1, {{"TotalMistoma", 300.0}});
        for (int tropDilCode : stored)
            fx->declarations.amendment(1, tropDilCode, {{"TotalMistoma", 10.0 * tropDilCode}});
        fx->declarations.amendment(2, 14); // another declaration's amendment
        openView();
        if (byPrimaryKey)
            favourThePrimaryKey();
        btExportExelixiClick();
        QStringList numbers;
        for (int row = 16; row <= 19; ++row)
            numbers << at(row, 2);
        QCOMPARE(numbers, (QStringList{"1", "11", "12", "13"}));
        QCOMPARE(at(19, 4), QStringLiteral("130"));
        QCOMPARE(sheet().style(19, 4).fill, 65535); // the newest is the yellow row
        QVERIFY(at(20, 2).isEmpty());
    }

    void propertyLinesArePackedAndNeverMeetTheTable() {
        fx->declarations.declaration(1);
        fx->declarations.property(
            1, 1, {{"KAEK", "050123"}, {"Eidos", "Κατάστημα"}, {"Dimos", "ΑΘΗΝΑΙΩΝ"}});
        openView();
        btExportExelixiClick();
        QCOMPARE(at(8, 2), QStringLiteral("Κ.Α.Ε.Κ. : "));
        QCOMPARE(at(9, 2), QStringLiteral("Είδος : "));
        QCOMPARE(at(10, 3), QStringLiteral("ΑΘΗΝΑΙΩΝ")); // no comma without a postcode
        QCOMPARE(at(15, 2), QStringLiteral("Αρ. Δήλωσης"));

        cleanup();
        init();
        fx->declarations.declaration(2);
        fx->declarations.property(2, 1,
                                  {{"ATAK", "1"},
                                   {"KAEK", "2"},
                                   {"Eidos", "3"},
                                   {"Odos", "4"},
                                   {"Num", "5"},
                                   {"Dimos", "6"},
                                   {"ZipCode", "7"},
                                   {"EpifKX", "8"},
                                   {"EpifBX", "9"},
                                   {"DEH", "10"}});
        openView();
        btExportExelixiClick();
        QCOMPARE(at(12, 3), QStringLiteral("6, 7"));
        QCOMPARE(at(15, 2), QStringLiteral("Αρ. Παροχής : ")); // the eighth line keeps row 15 …
        QCOMPARE(at(16, 2), QStringLiteral("Αρ. Δήλωσης"));    // … and the table moves down
        QCOMPARE(at(17, 2), QStringLiteral("2"));
        QCOMPARE(chartBlock(), QStringLiteral("C16:D17"));
    }

    void moreThanFortyNineAmendmentsAreAllWritten() {
        fx->declarations.declaration(1);
        for (int k = 1; k <= 60; ++k)
            fx->declarations.amendment(1, 100 + k);
        openView();
        btExportExelixiClick();
        QCOMPARE(at(15 + 61, 2), QStringLiteral("160"));
        QCOMPARE(chartBlock(), QStringLiteral("C15:D76"));
    }
};

LETHORA_TEST_MAIN(TestRentProgression)
#include "tst_rent_progression.moc"
