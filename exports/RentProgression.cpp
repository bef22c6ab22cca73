#include "exports/RentProgression.h"
#include "exports/PrintLayout.h"
#include "exports/Spreadsheet.h"
#include "exports/SpreadsheetStarter.h"
#include "store/TdmTables.h"

#include <QList>

namespace {
struct ExcelRec {
    QString DilNumber;
    QString StartDate;
    double Rent = 0;
};

struct PropertyLine {
    QString label;
    QString value;
};

// The property lines of the heading, only those whose tested field is not empty.
QList<PropertyLine> propertyLines(TableCursor& akinita) {
    QList<PropertyLine> lines;
    if (!akinita.isOpen() || akinita.isEmpty())
        return lines;
    auto field = [&](const char* name) { return akinita.text(QString::fromLatin1(name)); };
    auto add = [&](const char* tested, const QString& label, const QString& value) {
        if (!field(tested).isEmpty())
            lines << PropertyLine{label, value};
    };
    add("ATAK", QStringLiteral("Α.Τ.ΑΚ. : "), field("ATAK"));
    add("KAEK", QStringLiteral("Κ.Α.Ε.Κ. : "), field("KAEK"));
    add("Eidos", QStringLiteral("Είδος : "), field("Eidos"));
    add("Odos", QStringLiteral("Οδός : "), field("Odos") + QLatin1Char(' ') + field("Num"));
    add("Dimos", QStringLiteral("Δήμος - Τ.Κ. : "),
        field("ZipCode").isEmpty() ? field("Dimos")
                                   : field("Dimos") + QStringLiteral(", ") + field("ZipCode"));
    add("EpifKX", QStringLiteral("Επιφ. Κ.Χ. : "), field("EpifKX"));
    add("EpifBX", QStringLiteral("Επιφ. Β.Χ. : "), field("EpifBX"));
    add("DEH", QStringLiteral("Αρ. Παροχής : "), field("DEH"));
    return lines;
}

QString cell(const char* column, int row) {
    return QString::fromLatin1(column) + QString::number(row);
}

void mergeBold(Sheet& sheet, const QString& block, bool centred) {
    CellBlock b = sheet.range(block);
    b.setMergeCells(true);
    b.font().setBold(true);
    if (centred)
        b.setHorizontalAlignment(xl::Center);
}
} // namespace

void btExportExelixiClick() {
    TdmTables& dm = dmTables();
    TableCursor& mast = dm.tblMistDilMast;
    if (!mast.isOpen() || mast.isEmpty())
        return;
    std::shared_ptr<SpreadsheetApp> app;
    try {
        app = startSpreadsheetApp();
        app->addWorkbook();
        app->workbook(1).worksheet(1);
    } catch (...) {
        return;
    }
    Sheet& sheet = app->workbook(1).worksheet(1);
    app->setVisible(false);

    // The property lines come from row 8 on; the table starts at row 15, or lower when all
    // the lines are there, so that no heading line shares a row with the table's headers.
    const QList<PropertyLine> lines = propertyLines(dm.tblMistDilAkinita);
    const int headerRow = qMax(15, 7 + static_cast<int>(lines.size()) + 1);

    sheet.cells(headerRow, 2).setValue(QStringLiteral("Αρ. Δήλωσης"));
    sheet.cells(headerRow, 3).setValue(QStringLiteral("Ημερομηνία"));
    sheet.cells(headerRow, 4).setValue(QStringLiteral("Μίσθωμα"));
    CellBlock headers = sheet.range(cell("B", headerRow) + QLatin1Char(':') + cell("D", headerRow));
    headers.setHorizontalAlignment(xl::Center);
    headers.font().setBold(true);

    // Every entry is written, however many amending declarations there are.
    QList<ExcelRec> entries;
    entries << ExcelRec{mast.text(QStringLiteral("DilCode")),
                        mast.text(QStringLiteral("MistosiApoDate")).left(10),
                        mast.value(QStringLiteral("TotalMistoma")).toDouble()};
    StoreQuery& query = dm.qrTemp;
    query.clear();
    query.addLine(QStringLiteral("SELECT  *  from '") + dm.tblMistDilDet.tableName() +
                  QStringLiteral("'"));
    query.addLine(QStringLiteral(" where DilCode = '") + mast.text(QStringLiteral("DilCode")) +
                  QStringLiteral("'"));
    // Newest first, whatever plan the store chooses (after ANALYZE it may scan the table
    // instead of the descending index); walked back from the last row, the entries follow
    // the order in which the amending declarations were filed.
    query.addLine(QStringLiteral(" order by TropDilCode desc"));
    query.open();
    for (query.last(); !query.bof(); query.prior())
        entries << ExcelRec{query.value(QStringLiteral("TropDilCode")).toString(),
                            query.value(QStringLiteral("MistosiApoDate")).toString().left(10),
                            query.value(QStringLiteral("TotalMistoma")).toDouble()};
    const int n = static_cast<int>(entries.size());
    for (int k = 1; k <= n; ++k) {
        const int r = headerRow + k;
        sheet.columns(2).setNumberFormat(xl::TextFormat);
        sheet.columns(3).setNumberFormat(xl::TextFormat);
        sheet.columns(4).setNumberFormat(xl::AmountFormat);
        sheet.cells(r, 2).setValue(entries.at(k - 1).DilNumber);
        sheet.cells(r, 3).setValue(entries.at(k - 1).StartDate);
        sheet.cells(r, 4).setValue(entries.at(k - 1).Rent);
        if (k == n)
            sheet.range(cell("B", r) + QLatin1Char(':') + cell("D", r)).interior().setColor(65535);
    }
    sheet.range(QStringLiteral("A1"), QStringLiteral("K1")).entireColumn().autoFit();

    sheet.cells(2, 2).setValue(QStringLiteral("ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΤΗ"));
    mergeBold(sheet, QStringLiteral("B2:F2"), true);
    sheet.cells(3, 2).setValue(QStringLiteral("ΑΦΜ : "));
    sheet.cells(3, 3).setValue(mast.text(QStringLiteral("MistAFM1")));
    mergeBold(sheet, QStringLiteral("C3:F3"), false);
    sheet.cells(4, 2).setValue(QStringLiteral("Επωνυμία : "));
    sheet.cells(4, 3).setValue(mast.text(QStringLiteral("MistName1")));
    mergeBold(sheet, QStringLiteral("C4:Z4"), false);

    sheet.cells(6, 2).setValue(QStringLiteral("ΣΤΟΙΧΕΙΑ ΑΚΙΝΗΤΟΥ"));
    mergeBold(sheet, QStringLiteral("B6:F6"), true);
    sheet.cells(7, 2).setValue(QStringLiteral("Περιγραφή : "));
    TableCursor& akinita = dm.tblMistDilAkinita;
    sheet.cells(7, 3).setValue(
        akinita.isOpen() && !akinita.isEmpty() ? akinita.text(QStringLiteral("Descr")) : QString());
    sheet.range(QStringLiteral("C7:Z7")).setMergeCells(true);
    int row = 7;
    for (const PropertyLine& line : lines) {
        ++row;
        sheet.cells(row, 2).setValue(line.label);
        sheet.cells(row, 3).setValue(line.value);
        sheet.range(cell("C", row) + QLatin1Char(':') + cell("F", row)).setMergeCells(true);
    }

    Chart& chart = sheet.addChart(350, 200, 500, 300);
    chart.setChartType(xl::ColumnClustered);
    chart.setSourceData(
        sheet.range(cell("C", headerRow) + QLatin1Char(':') + cell("D", headerRow + n)));
    chart.setHasTitle(true);
    chart.setChartTitleText(QStringLiteral("Οικονομική Εξέλιξη Μισθώματος"));
    // The table's headers head every printed page; the headings reach column F.
    setPrintLayout(sheet, headerRow, headerRow, {1, 1, headerRow + n, 6});
    app->setVisible(true);
}
