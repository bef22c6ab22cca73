// The register export over the workspace's view, cell by cell in the workbook model.

#include "common/ErrorReport.h"
#include "exports/ExportChoice.h"
#include "exports/RegisterExport.h"
#include "tests/exports/ExportFixture.h"
#include "tests/support/TestMain.h"

class TestRegisterExport : public QObject {
    Q_OBJECT

    std::unique_ptr<ExportFixture> fx;

    void openView() { fx->openView(); }
    const SheetModel& sheet() { return fx->sheet(); }
    QString at(int row, int column) { return fx->at(row, column); }

private Q_SLOTS:
    void init() { fx = std::make_unique<ExportFixture>(); }
    void cleanup() { fx.reset(); }

    void theDefaultLayoutCellByCell() {
        fx->declarations.declaration(1203, {{"DateDisplay", "05/11/2024"},
                                            {"MistosiApoDate", "01/12/2024"},
                                            {"MistosiEosDate", "30/11/2027"},
                                            {"TotalMistoma", 0.0},
                                            {"MistAFM1", "094014298"},
                                            {"MistName1", "ΟΙΚΟΝΟΜΟΥ"},
                                            {"MistName2", "ΠΑΠΑΣ"}});
        fx->declarations.amendment(1203, 2001, {{"TotalMistoma", 0.0}});
        fx->declarations.amendment(1203, 2002, {{"TotalMistoma", 650.5}});
        fx->declarations.amendment(1203, 2003);
        fx->declarations.property(1203, 1, {{"Odos", "ΕΡΜΟΥ"}, {"Num", "12"}});
        openView();
        ExportRegisterFull(ExportChoice::defaults());
        QVERIFY(fx->app->isVisible());
        const SheetModel& s = sheet();
        const QList<CellArea> merges = s.merges();
        QStringList merged;
        for (const CellArea& a : merges)
            merged << areaName(a);
        merged.sort();
        QCOMPARE(merged,
                 (QStringList{"A2:E2", "F2:G2", "H2:L2"})); // a one-cell title is not merged
        QCOMPARE(at(2, 1), QStringLiteral("ΑΡΧΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
        QCOMPARE(at(2, 13), QStringLiteral("AKINHTA"));
        QCOMPARE(at(3, 1), QStringLiteral("Αρ. Δήλωσης"));
        QCOMPARE(at(3, 5), QStringLiteral("Μίσθωμα"));
        QCOMPARE(at(3, 13), QStringLiteral("Οδός - Αριθμός"));
        QCOMPARE(at(4, 1), QStringLiteral("1203"));
        QVERIFY(s.value(4, 5).isNull());        // a rent of 0 stays empty …
        QCOMPARE(s.style(4, 5).fill, 14610923); // … but filled
        QCOMPARE(at(4, 6), QStringLiteral("094014298"));
        QCOMPARE(at(5, 7), QStringLiteral("ΠΑΠΑΣ"));
        QCOMPARE(at(4, 8), QStringLiteral("2003")); // newest amendment first
        QCOMPARE(s.value(5, 12).toDouble(), 650.5);
        QCOMPARE(s.value(6, 12).toDouble(), 0.0); // an amendment's 0 is written
        QVERIFY(!s.value(6, 12).isNull());
        QCOMPARE(s.style(6, 12).numberFormat, xl::AmountFormat);
        QCOMPARE(at(4, 13), QStringLiteral("ΕΡΜΟΥ 12"));
        QCOMPARE(s.style(6, 1).bottomLine,
                 BottomLine::Thin); // three rows: 2 lessees, 3 amendments, 1 property
        QCOMPARE(s.style(6, 13).bottomLine, BottomLine::Thin);
        QCOMPARE(s.style(5, 1).bottomLine, BottomLine::None);
        QCOMPARE(s.style(3, 13).bottomLine, BottomLine::Double);
        QVERIFY(s.value(7, 1).isNull());
    }

    void fewerThanTwoColumnsMakeNoWorkbook() {
        fx->declarations.declaration(1);
        openView();
        ExportChoice c = ExportChoice::defaults();
        c.mast.fill(false);
        c.mistotes.fill(false);
        c.trops.fill(false);
        c.trops[0] = true;
        c.akinita.fill(true);
        ExportRegisterFull(c);
        QCOMPARE(fx->app->workbookCount(), 0);
        c.trops.fill(true); // the latest layout does not count the amendment ticks
        ExportRegisterLatest(c);
        QCOMPARE(fx->app->workbookCount(), 0);
    }

    void onlyActiveWritesTheNewestAmendment() {
        fx->declarations.declaration(1);
        fx->declarations.amendment(1, 11);
        fx->declarations.amendment(1, 12);
        openView();
        ExportChoice c = ExportChoice::defaults();
        c.stage = StageChoice::Active;
        ExportRegisterFull(c);
        QCOMPARE(at(4, 8), QStringLiteral("12"));
        QVERIFY(sheet().value(5, 8).isNull());
    }

    void theLatestLayoutShowsTheNewestState() {
        fx->declarations.declaration(2,
                                     {{"MistosiEosDate", "31/12/2025"}, {"TotalMistoma", 300.0}});
        fx->declarations.amendment(2, 21,
                                   {{"MistosiEosDate", "31/12/2030"}, {"TotalMistoma", 450.0}});
        fx->declarations.property(2, 1, {{"Odos", "Α"}});
        fx->declarations.property(2, 2, {{"Odos", "Β"}});
        fx->declarations.declaration(1,
                                     {{"MistosiEosDate", "31/12/2026"}, {"TotalMistoma", 200.0}});
        openView();
        ExportChoice c = ExportChoice::defaults();
        c.layout = ExportLayout::LatestFirstProperty;
        ExportRegister(c);
        QCOMPARE(at(2, 1), QStringLiteral("ΑΡΧΙΚΕΣ/ΤΡΟΠΟΠΟΙΗΤΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
        QCOMPARE(at(4, 1), QStringLiteral("21"));
        QCOMPARE(at(4, 4), QStringLiteral("31/12/2030"));
        QCOMPARE(sheet().value(4, 5).toDouble(), 450.0);
        QCOMPARE(at(4, 8), QStringLiteral("Α ")); // property columns follow the lessees
        QCOMPARE(at(5, 1), QStringLiteral("1"));  // option 2: one property row only
        QCOMPARE(sheet().value(5, 5).toDouble(), 200.0);
    }

    void thirtyFourColumnsAreNamedPastZ() {
        fx->declarations.declaration(1, {{"MistName1", "Α"}});
        fx->declarations.amendment(1, 11);
        fx->declarations.property(1, 1, {{"Descr", "Περιγραφή"}});
        openView();
        ExportChoice c = ExportChoice::defaults();
        c.mast.fill(true);
        c.mistotes.fill(true);
        c.trops.fill(true);
        c.akinita.fill(true);
        ExportRegisterFull(c);
        QCOMPARE(at(4, 34), QStringLiteral("Περιγραφή"));
        QCOMPARE(sheet().style(4, 34).bottomLine, BottomLine::Thin);
        QCOMPARE(sheet().style(3, 34).bottomLine, BottomLine::Double);
        bool propertyTitle = false;
        for (const CellArea& a : sheet().merges())
            propertyTitle = propertyTitle || areaName(a) == QLatin1String("U2:AH2");
        QVERIFY(propertyTitle);
    }

    // Three declarations of 2, 3 (one in the latest layout) and 2 rows after the three
    // heading rows: a sheet of one row fewer refuses the export, naming both counts, and
    // makes no workbook; a sheet of exactly that many takes it.
    void aViewLargerThanTheSheetIsRefused_data() {
        QTest::addColumn<bool>("latest");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("full") << false << 10;
        QTest::newRow("latest") << true << 8;
    }
    void aViewLargerThanTheSheetIsRefused() {
        QFETCH(bool, latest);
        QFETCH(int, lastRow);
        fx->declarations.declaration(1203, {{"MistName1", "ΟΙΚΟΝΟΜΟΥ"}, {"MistName2", "ΠΑΠΑΣ"}});
        fx->declarations.declaration(1204);
        for (qlonglong amendment : {2001, 2002, 2003})
            fx->declarations.amendment(1204, amendment);
        fx->declarations.declaration(1205);
        fx->declarations.property(1205, 1);
        fx->declarations.property(1205, 2);
        openView();
        const auto exportTo = [latest](int sheetRows) {
            if (latest)
                ExportRegisterLatest(ExportChoice::defaults(), {}, sheetRows);
            else
                ExportRegisterFull(ExportChoice::defaults(), {}, sheetRows);
        };
        try {
            exportTo(lastRow - 1);
            QFAIL("a view larger than the sheet was exported");
        } catch (const AppError& refused) {
            const QLocale greek(QLocale::Greek);
            QVERIFY2(refused.text().contains(greek.toString(lastRow - 1)),
                     qPrintable(refused.text()));
            QVERIFY(refused.text().contains(greek.toString(lastRow)));
        }
        QCOMPARE(fx->app->workbookCount(), 0);
        exportTo(lastRow);
        QCOMPARE(sheet().style(lastRow, 1).bottomLine, BottomLine::Thin);
        QVERIFY(sheet().value(lastRow + 1, 1).isNull());
    }

    // An amount that is no number refuses the export and names its declaration and cell.
    void anAmountThatIsNoNumberNamesItsDeclaration() {
        fx->declarations.declaration(1204);
        fx->declarations.amendment(1204, 2001, {{"TotalMistoma", "NaN"}});
        openView();
        try {
            ExportRegisterFull(ExportChoice::defaults());
            QFAIL("an amount that is no number was exported");
        } catch (const AppError& refused) {
            QVERIFY2(refused.text().contains(QStringLiteral("1204")), qPrintable(refused.text()));
            QVERIFY(refused.text().contains(QStringLiteral("«L4»")));
        }
    }

    void aViewWithoutDeclarationsHasOnlyItsHeaderRow() {
        openView();
        ExportRegisterFull(ExportChoice::defaults());
        QCOMPARE(fx->app->workbookCount(), 1);
        QVERIFY(sheet().value(2, 1).isNull());
        QVERIFY(sheet().value(3, 1).isNull());
        QVERIFY(sheet().style(3, 1).bold);
        QCOMPARE(sheet().style(3, 13).bottomLine, BottomLine::Double);
    }
};

LETHORA_TEST_MAIN(TestRegisterExport)
#include "tst_register_export.moc"
