// Column names and cell references: the spreadsheet's own names both ways, past Z, and
// refusal of references that name no cell.

#include "common/ErrorReport.h"
#include "exports/CellReferences.h"
#include "tests/support/TestMain.h"

class TestCellReferences : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesColumns_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << "A";
        QTest::newRow("fifth") << 5 << "E";
        QTest::newRow("last single letter") << 26 << "Z";
        QTest::newRow("first two letters") << 27 << "AA";
        QTest::newRow("after AA") << 28 << "AB";
        QTest::newRow("widest full layout") << 34 << "AH";
        QTest::newRow("AZ") << 52 << "AZ";
        QTest::newRow("BA") << 53 << "BA";
        QTest::newRow("last two letters") << 702 << "ZZ";
        QTest::newRow("first three letters") << 703 << "AAA";
        QTest::newRow("last column of a sheet") << 16384 << "XFD";
    }
    void namesColumns() {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(columnName(number), name);
        QCOMPARE(columnNumber(name), number);
        QCOMPARE(columnNumber(name.toLower()), number);
    }

    void everyColumnNameReadsBackToItsNumber() {
        QString previous;
        for (int n = 1; n <= kSheetColumns; ++n) {
            const QString name = columnName(n);
            QCOMPARE(columnNumber(name), n);
            // names grow in length, then in alphabetical order: no two columns share one
            QVERIFY(name.size() > previous.size() ||
                    (name.size() == previous.size() && name > previous));
            previous = name;
        }
    }

    void refusesColumnsOffTheSheet() {
        QVERIFY_THROWS_EXCEPTION(AppError, columnName(0));
        QVERIFY_THROWS_EXCEPTION(AppError, columnName(-3));
        QVERIFY_THROWS_EXCEPTION(AppError, columnName(16385));
        for (const char* bad : {"", "A1", "XFE", "AAAA", "Α" /* Greek alpha */, "A-"})
            QVERIFY_THROWS_EXCEPTION(AppError, columnNumber(QString::fromUtf8(bad)));
    }

    void readsBlockReferences_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("right");
        QTest::newRow("one cell") << "B7" << 7 << 2 << 7 << 2;
        QTest::newRow("absolute cell") << "$B$7" << 7 << 2 << 7 << 2;
        QTest::newRow("header row") << "A3:ZZ3" << 3 << 1 << 3 << 702;
        QTest::newRow("title past Z") << "AB2:AH2" << 2 << 28 << 2 << 34;
        QTest::newRow("lower case") << "c15:d19" << 15 << 3 << 19 << 4;
        QTest::newRow("corners reversed") << "D19:C15" << 15 << 3 << 19 << 4;
        QTest::newRow("bottom right of the sheet")
            << "XFD1048576" << 1048576 << 16384 << 1048576 << 16384;
    }
    void readsBlockReferences() {
        QFETCH(QString, reference);
        QFETCH(int, top);
        QFETCH(int, left);
        QFETCH(int, bottom);
        QFETCH(int, right);
        QCOMPARE(parseBlockReference(reference), (CellArea{top, left, bottom, right}));
    }

    void readsTwoCornerReferences() {
        QCOMPARE(parseBlockReference(QStringLiteral("A1"), QStringLiteral("AZ1")),
                 (CellArea{1, 1, 1, 52}));
        QCOMPARE(parseBlockReference(QStringLiteral("K1"), QStringLiteral("A1")),
                 (CellArea{1, 1, 1, 11}));
    }

    void refusesMalformedReferences_data() {
        QTest::addColumn<QString>("reference");
        for (const char* bad : {"A0:B",     "A0",   "B",     "3",        "",
                                ":",        "A1:",  ":A1",   "A1:B2:C3", "A 1",
                                " A1",      "A1 ",  "1A",    "A-1",      "A1.5",
                                "A1048577", "XFE1", "AAAA1", "$$A1",     "Α1" /* Greek alpha */,
                                "A99999999"})
            QTest::newRow(bad) << QString::fromUtf8(bad);
    }
    void refusesMalformedReferences() {
        QFETCH(QString, reference);
        try {
            parseBlockReference(reference);
            QFAIL("the reference was accepted");
        } catch (const AppError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("«") + reference + QStringLiteral("»")),
                     qPrintable(e.text()));
            QVERIFY(e.text().startsWith(QStringLiteral("Μη έγκυρη αναφορά")));
        }
    }

    void namesAreas() {
        QCOMPARE(areaName({2, 1, 2, 5}), QStringLiteral("A2:E2"));
        QCOMPARE(areaName({3, 1, 3, 34}), QStringLiteral("A3:AH3"));
        QCOMPARE(areaName({15, 3, 15, 3}), QStringLiteral("C15"));
        QCOMPARE(parseBlockReference(areaName({9, 27, 120, 703})), (CellArea{9, 27, 120, 703}));
    }

    void checksCellPlaces() {
        checkCellPlace(1, 1);
        checkCellPlace(kSheetRows, kSheetColumns);
        QVERIFY_THROWS_EXCEPTION(AppError, checkCellPlace(0, 1));
        QVERIFY_THROWS_EXCEPTION(AppError, checkCellPlace(1, 0));
        QVERIFY_THROWS_EXCEPTION(AppError, checkCellPlace(kSheetRows + 1, 1));
        QVERIFY_THROWS_EXCEPTION(AppError, checkCellPlace(1, kSheetColumns + 1));
    }
};

LETHORA_TEST_MAIN(TestCellReferences)
#include "tst_cell_references.moc"
