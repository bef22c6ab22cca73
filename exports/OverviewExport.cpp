#include "exports/OverviewExport.h"
#include "exports/PrintLayout.h"
#include "exports/SectionColours.h"
#include "exports/SpreadsheetStarter.h"

#include <algorithm>

namespace {
const int kTitleRow = 1;
const int kHeaderRow = 2;
const int kColours[] = {SectionColours::kDeclaration, SectionColours::kAmendment,
                        SectionColours::kLessee};

QString block(int firstRow, int lastColumn, int lastRow) {
    return QStringLiteral("A") + QString::number(firstRow) + QLatin1Char(':') +
           columnName(lastColumn) + QString::number(lastRow);
}

bool isAmountColumn(const OverviewTable& table, int column) {
    return !table.rows.isEmpty() && table.rows.first().at(column).typeId() == QMetaType::Double;
}

void writeSheet(Sheet& sheet, const OverviewTable& table, int colour) {
    const int columns = static_cast<int>(table.headers.size());
    const int lastRow = kHeaderRow + static_cast<int>(table.rows.size());
    sheet.cells(kTitleRow, 1).setValue(table.title);
    CellBlock title = sheet.range(block(kTitleRow, columns, kTitleRow));
    title.setMergeCells(true);
    title.setHorizontalAlignment(xl::Center);
    title.font().setBold(true);
    for (int c = 1; c <= columns; ++c)
        sheet.columns(c).setNumberFormat(isAmountColumn(table, c - 1) ? xl::AmountFormat
                                                                      : xl::TextFormat);
    CellBlock headers = sheet.range(block(kHeaderRow, columns, kHeaderRow));
    headers.setHorizontalAlignment(xl::Center);
    headers.font().setBold(true);
    headers.borders(xl::EdgeBottom).setWeight(xl::Thin);
    sheet.range(block(kHeaderRow, columns, lastRow)).interior().setColor(colour);
    for (int c = 1; c <= columns; ++c)
        sheet.cells(kHeaderRow, c).setValue(table.headers.at(c - 1));
    int row = kHeaderRow;
    for (const QVariantList& cells : table.rows) {
        ++row;
        for (int c = 1; c <= columns; ++c) {
            const QVariant& value = cells.at(c - 1);
            if (value.typeId() == QMetaType::Double)
                sheet.cells(row, c).setValue(value.toDouble());
            else if (!value.toString().isEmpty())
                sheet.cells(row, c).setValue(value.toString());
        }
    }
    sheet.range(QStringLiteral("A1"), columnName(columns) + QLatin1Char('1'))
        .entireColumn()
        .autoFit();
    setPrintLayout(sheet, kTitleRow, kHeaderRow, {1, 1, lastRow, std::max(columns, 1)});
}
} // namespace

void ExportOfficeOverview(const QList<OverviewTable>& tables) {
    std::shared_ptr<SpreadsheetApp> app = startSpreadsheetApp();
    Workbook& book = app->addWorkbook();
    app->setVisible(false);
    for (int n = 0; n < tables.size(); ++n) {
        const OverviewTable& table = tables.at(n);
        Sheet& sheet = n == 0 ? book.worksheet(1) : book.addWorksheet(table.title);
        if (n == 0)
            book.setWorksheetName(1, table.title);
        writeSheet(sheet, table, kColours[n % 3]);
    }
    app->setVisible(true);
}
