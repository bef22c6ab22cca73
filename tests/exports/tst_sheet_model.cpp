// The workbook model records what the spreadsheet operations do: values, number formats,
// alignment, bold type, merges, fills, bottom lines, fitted widths and charts; and the
// operations refuse what the application refuses.

#include "common/ErrorReport.h"
#include "exports/SpreadsheetStarter.h"
#include "exports/WorkbookApp.h"
#include "tests/support/TestMain.h"

class TestSheetModel : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkbookModel> book;
    Sheet* sheet = nullptr;
    const SheetModel& model() const { return book->sheet(); }

private Q_SLOTS:
    void init() {
        book = std::make_unique<WorkbookModel>();
        sheet = &book->worksheet(1);
    }

    void recordsTextAndNumbers() {
        sheet->cells(4, 1).setValue(QStringLiteral("012345"));
        sheet->cells(4, 8).setValue(1234.5);
        sheet->cells(4, 9).setValue(0.0);
        QCOMPARE(model().value(4, 1), QVariant(QStringLiteral("012345")));
        QCOMPARE(model().value(4, 8), QVariant(1234.5));
        QCOMPARE(model().value(4, 9), QVariant(0.0)); // zero is a value, not an empty cell
        QVERIFY(!model().value(4, 2).isValid());
        QVERIFY(!model().value(5, 1).isValid());

        sheet->cells(4, 8).setValue(QStringLiteral("κείμενο")); // a value replaces another
        QCOMPARE(model().value(4, 8), QVariant(QStringLiteral("κείμενο")));
        sheet->cells(4, 8).setValue(QString());
        QVERIFY(!model().value(4, 8).isValid());

        sheet->range(QStringLiteral("B2:C3")).setValue(7.0); // every cell of a block
        QCOMPARE(model().value(2, 2), QVariant(7.0));
        QCOMPARE(model().value(3, 3), QVariant(7.0));
        QVERIFY(!model().value(4, 2).isValid());
        QVERIFY(!model().value(2, 4).isValid());
    }

    void columnFormatReachesCellsWrittenBeforeAndAfter() {
        sheet->cells(3, 2).interior().setColor(14610923); // the cell exists before the format
        sheet->columns(2).setNumberFormat(xl::TextFormat);
        sheet->columns(8).setNumberFormat(xl::AmountFormat);
        sheet->cells(40, 2).setValue(QStringLiteral("01/02/2024"));
        sheet->cells(40, 8).setValue(99.0);
        QCOMPARE(model().style(3, 2).numberFormat, xl::TextFormat);
        QCOMPARE(model().style(3, 2).fill, 14610923); // the format kept the fill
        QCOMPARE(model().style(40, 2).numberFormat, xl::TextFormat);
        QCOMPARE(model().style(40, 8).numberFormat, xl::AmountFormat);
        QCOMPARE(model().style(1000, 8).numberFormat, xl::AmountFormat); // no cell, the column's
        QVERIFY(model().style(40, 3).numberFormat.isEmpty());
        QVERIFY(!model().cell(1000, 8)); // a column format creates no cells
    }

    void columnFormatOverridesACellsOwnFormatAgain() {
        sheet->columns(4).setNumberFormat(xl::AmountFormat);
        sheet->cells(16, 4).setValue(5.0);
        sheet->cells(17, 4).setNumberFormat(xl::TextFormat);
        QCOMPARE(model().style(17, 4).numberFormat, xl::TextFormat);
        // Setting the column's format again, even unchanged, applies to all of its cells.
        sheet->columns(4).setNumberFormat(xl::AmountFormat);
        QCOMPARE(model().style(17, 4).numberFormat, xl::AmountFormat);
        QCOMPARE(model().style(16, 4).numberFormat, xl::AmountFormat);
        sheet->columns(4).setNumberFormat(xl::TextFormat);
        QCOMPARE(model().style(16, 4).numberFormat, xl::TextFormat);
        QCOMPARE(model().style(17, 4).numberFormat, xl::TextFormat);
    }

    void recordsAlignmentBoldAndFillOnBlocks() {
        sheet->range(QStringLiteral("A3:ZZ3")).setHorizontalAlignment(xl::Center);
        sheet->range(QStringLiteral("A3:ZZ3")).font().setBold(true);
        sheet->range(QStringLiteral("F4:G6")).interior().setColor(12379352);
        for (const int column : {1, 26, 27, 702}) {
            QCOMPARE(model().style(3, column).alignment, HorizontalAlignment::Centre);
            QVERIFY(model().style(3, column).bold);
        }
        QCOMPARE(model().style(3, 703).alignment, HorizontalAlignment::General);
        QVERIFY(!model().style(4, 1).bold);
        QCOMPARE(model().style(6, 7).fill, 12379352);
        QCOMPARE(model().style(4, 6).fill, 12379352);
        QCOMPARE(model().style(7, 7).fill, -1);
        QCOMPARE(model().style(4, 8).fill, -1);
        sheet->range(QStringLiteral("A3:B3")).font().setBold(false);
        QVERIFY(!model().style(3, 1).bold);
        QVERIFY(model().style(3, 3).bold);
    }

    void drawsBottomLinesUnderTheLastRowOfABlock() {
        sheet->range(QStringLiteral("A5:AH7")).borders(xl::EdgeBottom).setWeight(xl::Thin);
        sheet->range(QStringLiteral("A3:AH3")).borders(xl::EdgeBottom).setLineStyle(xl::Double);
        QCOMPARE(model().style(7, 1).bottomLine, BottomLine::Thin);
        QCOMPARE(model().style(7, 34).bottomLine, BottomLine::Thin);
        QCOMPARE(model().style(5, 1).bottomLine, BottomLine::None);
        QCOMPARE(model().style(6, 10).bottomLine, BottomLine::None);
        QCOMPARE(model().style(7, 35).bottomLine, BottomLine::None);
        QCOMPARE(model().style(3, 20).bottomLine, BottomLine::Double);
        sheet->range(QStringLiteral("A3:B3"))
            .borders(xl::EdgeBottom)
            .setLineStyle(xl::LineStyleNone);
        QCOMPARE(model().style(3, 2).bottomLine, BottomLine::None);
        QCOMPARE(model().style(3, 3).bottomLine, BottomLine::Double);
    }

    void recordsEachMergeOnce() {
        sheet->cells(2, 1).setValue(QStringLiteral("ΑΡΧΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
        for (int i = 0; i < 3; ++i) // titles are merged again for every declaration
            sheet->range(QStringLiteral("A2:E2")).setMergeCells(true);
        sheet->range(QStringLiteral("F2:G2")).setMergeCells(true);
        sheet->range(QStringLiteral("M2:M2")).setMergeCells(true); // one cell: nothing to merge
        QCOMPARE(model().merges(), (QList<CellArea>{{2, 1, 2, 5}, {2, 6, 2, 7}}));
        QCOMPARE(model().value(2, 1), QVariant(QStringLiteral("ΑΡΧΙΚΕΣ ΔΗΛΩΣΕΙΣ")));
    }

    void anOverlappingMergeTakesInTheBlocksItMeets() {
        sheet->range(QStringLiteral("A2:C2")).setMergeCells(true);
        sheet->range(QStringLiteral("E2:F3")).setMergeCells(true);
        sheet->range(QStringLiteral("H2:I2")).setMergeCells(true);
        sheet->range(QStringLiteral("C2:E2")).setMergeCells(true);
        QCOMPARE(model().merges(), (QList<CellArea>{{2, 8, 2, 9}, {2, 1, 3, 6}}));
        sheet->range(QStringLiteral("B3")).setMergeCells(false);
        QCOMPARE(model().merges(), (QList<CellArea>{{2, 8, 2, 9}}));
    }

    void aMergedBlockKeepsTheValueOfItsFirstCell() {
        sheet->cells(4, 3).setValue(QStringLiteral("Περιγραφή"));
        sheet->cells(4, 4).setValue(QStringLiteral("χάνεται"));
        sheet->cells(4, 6).setValue(12.0);
        sheet->cells(5, 4).setValue(QStringLiteral("μένει"));
        sheet->range(QStringLiteral("C4:F4")).setMergeCells(true);
        QCOMPARE(model().value(4, 3), QVariant(QStringLiteral("Περιγραφή")));
        QVERIFY(!model().value(4, 4).isValid());
        QVERIFY(!model().value(4, 6).isValid());
        QCOMPARE(model().value(5, 4), QVariant(QStringLiteral("μένει")));
    }

    void autoFitFollowsTheLongestTextInCharacters() {
        // 13 Greek letters are 26 bytes of UTF-8; the width counts characters.
        sheet->cells(3, 1).setValue(QStringLiteral("Ονοματεπώνυμο"));
        sheet->cells(4, 1).setValue(QStringLiteral("Νίκος"));
        sheet->cells(5, 1).setValue(QStringLiteral("ΑΦΜ"));
        // an accent written as a separate combining mark is no character of its own
        sheet->cells(3, 2).setValue(QStringLiteral("Οδο\u0301ς"));
        sheet->cells(4, 3).setValue(QStringLiteral("πρώτη γραμμή\nγραμμή"));
        sheet->range(QStringLiteral("A1"), QStringLiteral("AZ1")).entireColumn().autoFit();
        QCOMPARE(model().columnWidth(1), 13 + 2.0);
        QCOMPARE(model().columnWidth(2), 4 + 2.0);
        QCOMPARE(model().columnWidth(3), 12 + 2.0); // the longest line of the cell
        QCOMPARE(model().columnWidth(4), 0.0);      // nothing in it: the standard width
        QCOMPARE(model().columnWidth(52), 0.0);
    }

    void autoFitMeasuresAmountsAsShown() {
        sheet->columns(8).setNumberFormat(xl::AmountFormat);
        sheet->cells(4, 8).setValue(1234.5);   // "1.234,50"
        sheet->cells(5, 8).setValue(-98765.4); // "-98.765,40"
        sheet->cells(4, 9).setValue(1234.5);   // general: "1234,5"
        sheet->cells(4, 10).setValue(QStringLiteral("@"));
        sheet->columns(10).setNumberFormat(xl::TextFormat);
        sheet->cells(5, 10).setValue(3.0); // a number in a text column shows as "3"
        sheet->range(QStringLiteral("H1:J1")).entireColumn().autoFit();
        QCOMPARE(model().columnWidth(8), 10 + 2.0);
        QCOMPARE(model().columnWidth(9), 6 + 2.0);
        QCOMPARE(model().columnWidth(10), 1 + 2.0);
    }

    void autoFitLeavesMergedTitlesOutAndFitsOnlyWhenAsked() {
        sheet->cells(2, 1).setValue(QStringLiteral("ΑΡΧΙΚΕΣ/ΤΡΟΠΟΠΟΙΗΤΙΚΕΣ ΔΗΛΩΣΕΙΣ"));
        sheet->range(QStringLiteral("A2:B2")).setMergeCells(true);
        sheet->cells(3, 1).setValue(QStringLiteral("Υποβολή"));
        sheet->columns(1).entireColumn().autoFit();
        QCOMPARE(model().columnWidth(1), 7 + 2.0);
        sheet->cells(4, 1).setValue(QStringLiteral("Μια πολύ μεγαλύτερη τιμή"));
        QCOMPARE(model().columnWidth(1), 7 + 2.0); // a width is fitted once, when asked
        sheet->range(QStringLiteral("A1:A1")).entireColumn().autoFit();
        QCOMPARE(model().columnWidth(1), 24 + 2.0);
    }

    void recordsAChartAndItsSeries() {
        sheet->cells(15, 3).setValue(QStringLiteral("Ημερομηνία"));
        sheet->cells(15, 4).setValue(QStringLiteral("Μίσθωμα"));
        Chart& chart = sheet->addChart(350, 200, 500, 300);
        chart.setChartType(xl::ColumnClustered);
        chart.setSourceData(sheet->range(QStringLiteral("C15"), QStringLiteral("D19")));
        chart.setHasTitle(true);
        chart.setChartTitleText(QStringLiteral("Οικονομική Εξέλιξη Μισθώματος"));

        QCOMPARE(model().charts().size(), size_t(1));
        const ChartModel& recorded = *model().charts().front();
        QCOMPARE(recorded.place().left, 350.0);
        QCOMPARE(recorded.place().top, 200.0);
        QCOMPARE(recorded.place().width, 500.0);
        QCOMPARE(recorded.place().height, 300.0);
        QCOMPARE(recorded.chartType(), xl::ColumnClustered);
        QCOMPARE(recorded.source(), std::optional(CellArea{15, 3, 19, 4}));
        QVERIFY(recorded.hasTitle());
        QCOMPARE(recorded.title(), QStringLiteral("Οικονομική Εξέλιξη Μισθώματος"));
        const QList<ChartSeries> series = recorded.series();
        QCOMPARE(series.size(), 1);
        QCOMPARE(series[0].nameRow, 15);
        QCOMPARE(series[0].nameColumn, 4);
        QCOMPARE(series[0].values, (CellArea{16, 4, 19, 4}));
        QCOMPARE(series[0].categories, std::optional(CellArea{16, 3, 19, 3}));
    }

    void plotsEveryFurtherColumnAsASeries() {
        Chart& wide = sheet->addChart(0, 0, 100, 100);
        wide.setSourceData(sheet->range(QStringLiteral("B2:E6")));
        const QList<ChartSeries> series = model().charts().front()->series();
        QCOMPARE(series.size(), 3);
        QCOMPARE(series[2].values, (CellArea{3, 5, 6, 5}));
        QCOMPARE(series[2].categories, std::optional(CellArea{3, 2, 6, 2}));

        Chart& narrow = sheet->addChart(0, 0, 100, 100);
        narrow.setSourceData(sheet->range(QStringLiteral("D15:D19")));
        const QList<ChartSeries> single = model().charts().back()->series();
        QCOMPARE(single.size(), 1);
        QCOMPARE(single[0].values, (CellArea{16, 4, 19, 4}));
        QVERIFY(!single[0].categories);
    }

    void refusesWhatTheApplicationRefuses() {
        auto refused = [](const std::function<void()>& operation) {
            try {
                operation();
            } catch (const AppError& e) {
                return !e.text().isEmpty();
            }
            return false;
        };
        QVERIFY(refused([&] { sheet->cells(0, 1); }));
        QVERIFY(refused([&] { sheet->cells(1, 0); }));
        QVERIFY(refused([&] { sheet->cells(1, kSheetColumns + 1); }));
        QVERIFY(refused([&] { sheet->columns(0); }));
        QVERIFY(refused([&] { sheet->range(QStringLiteral("A0:B")); }));
        QVERIFY(refused([&] { sheet->range(QStringLiteral("A1"), QStringLiteral("AZ")); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).setHorizontalAlignment(5); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).borders(8); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).borders(xl::EdgeBottom).setWeight(7); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).borders(xl::EdgeBottom).setLineStyle(3); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).interior().setColor(-1); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).interior().setColor(0x1000000); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).setValue(std::nan("")); }));
        QVERIFY(refused([&] { sheet->columns(2).setValue(QStringLiteral("x")); }));
        QVERIFY(refused([&] { sheet->cells(1, 1).setValue(QString(32768, u'α')); }));
        QVERIFY(refused([&] { sheet->range(QStringLiteral("A1:Z1")).autoFit(); }));
        QVERIFY(refused([&] { sheet->addChart(0, 0, 0, 300); }));
        Chart& chart = sheet->addChart(0, 0, 100, 100);
        QVERIFY(refused([&] { chart.setChartType(4); }));
        QVERIFY(refused([&] { chart.setSourceData(sheet->range(QStringLiteral("C15:D15"))); }));
        WorkbookModel other;
        QVERIFY(refused(
            [&] { chart.setSourceData(other.worksheet(1).range(QStringLiteral("C1:D3"))); }));
        QVERIFY(refused([&] { book->worksheet(2); }));
        QCOMPARE(model().cellCount(), 0); // nothing refused left a trace
        QVERIFY(!model().charts().back()->source());
    }

    void startsTheInstalledApplication() {
        auto kept = std::make_shared<WorkbookApp>();
        setSpreadsheetStarter([&] { return kept; });
        QCOMPARE(startSpreadsheetApp().get(), kept.get());
        setSpreadsheetStarter([] { return std::shared_ptr<SpreadsheetApp>(); });
        QVERIFY_THROWS_EXCEPTION(AppError, startSpreadsheetApp());
        setSpreadsheetStarter({});
        const std::shared_ptr<SpreadsheetApp> app = startSpreadsheetApp();
        QVERIFY(dynamic_cast<WorkbookApp*>(app.get()));
        QVERIFY(!app->isVisible());
        QVERIFY_THROWS_EXCEPTION(AppError, app->workbook(1));
        app->addWorkbook();
        QVERIFY_THROWS_EXCEPTION(AppError, app->workbook(2));
    }
};

LETHORA_TEST_MAIN(TestSheetModel)
#include "tst_sheet_model.moc"
