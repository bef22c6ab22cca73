// The office overview's workbook: three sheets named after the lists, each with its title,
// headers, fill and formats, and all three written to the file; sheet names that the
// application refuses.

#include "common/ErrorReport.h"
#include "exports/OverviewExport.h"
#include "exports/SpreadsheetStarter.h"
#include "exports/WorkbookApp.h"
#include "tests/exports/XlsxReadBack.h"
#include "tests/support/TestMain.h"

#include <QTemporaryDir>

namespace {
class NoOpener : public WorkbookOpener {
public:
    bool open(const QString&) override { return true; }
};

OfficeOverview sample() {
    OfficeOverview o;
    o.expiring.append({QStringLiteral("094014201"), QStringLiteral("Άλφα"), 501,
                       QStringLiteral("ΠΑΠΑΣ"), QStringLiteral("20/03/2026"), 1234.5});
    o.unfinished.append({QStringLiteral("094014201"), QStringLiteral("Άλφα"), 77,
                         QStringLiteral("01/02/2026"), QString()});
    o.unaccepted.append({QStringLiteral("123456783"), QStringLiteral("Βήτα"), 88, true, 2,
                         QStringLiteral("555555555"), QStringLiteral("ΛΑΜΠΡΟΥ")});
    return o;
}
} // namespace

class TestOverviewExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void threeSheetsWithTheExportsLook() {
        QTemporaryDir output;
        auto app = std::make_shared<WorkbookApp>(std::make_shared<NoOpener>(), output.path());
        setSpreadsheetStarter([app] { return std::static_pointer_cast<SpreadsheetApp>(app); });
        ExportOfficeOverview(OverviewTables::all(sample()));
        setSpreadsheetStarter({});

        const auto& sheets = app->model(1).sheets();
        QCOMPARE(int(sheets.size()), 3);
        QCOMPARE(sheets[0]->name(), QStringLiteral("Λήξεις μισθώσεων"));
        QCOMPARE(sheets[2]->name(), QStringLiteral("Αναμονή αποδοχής"));
        const SheetModel& expiring = *sheets[0];
        QCOMPARE(expiring.value(1, 1).toString(), QStringLiteral("Λήξεις μισθώσεων"));
        QCOMPARE(expiring.value(2, 5).toString(), QStringLiteral("Ημ. Λήξης"));
        QCOMPARE(expiring.value(3, 3).toString(), QStringLiteral("501")); // number kept as text
        QCOMPARE(expiring.style(3, 3).numberFormat, QStringLiteral("@"));
        QCOMPARE(expiring.value(3, 6).toDouble(), 1234.5);
        QCOMPARE(expiring.style(3, 6).numberFormat, QStringLiteral("#.##0,00"));
        QVERIFY(expiring.style(2, 1).bold);
        QCOMPARE(expiring.style(3, 1).fill, 14610923);
        QCOMPARE(sheets[2]->value(3, 4).toString(), QStringLiteral("Μισθωτής 2"));
        QCOMPARE(sheets[2]->style(3, 5).fill, 12379352);

        QCOMPARE(app->writtenFiles().size(), 1);
        const QString file = app->writtenFiles().first();
        const QString workbook =
            QString::fromUtf8(xlsxPart(file, QStringLiteral("xl/workbook.xml")));
        QVERIFY(workbook.contains(QStringLiteral("Προσωρινά αποθηκευμένες")));
        QVERIFY(xlsxPart(file, QStringLiteral("xl/worksheets/sheet3.xml")).contains("<row"));
    }

    void refusedSheetNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("colon") << "Λήξεις: 30";
        QTest::newRow("slash") << "Α/Β";
        QTest::newRow("32 characters") << QString(32, QLatin1Char('x'));
        QTest::newRow("taken, other case") << "ΦΎΛΛΟ1";
    }
    void refusedSheetNames() {
        QFETCH(QString, name);
        WorkbookModel book;
        QVERIFY_THROWS_EXCEPTION(AppError, book.addWorksheet(name));
        QCOMPARE(int(book.sheets().size()), 1);
        book.setWorksheetName(1, QStringLiteral("Φύλλο1")); // its own name stays allowed
    }
};

LETHORA_TEST_MAIN(TestOverviewExport)
#include "tst_overview_export.moc"
