#include "exports/PrintLayout.h"

void setPrintLayout(Sheet& sheet, int firstHeadingRow, int lastHeadingRow,
                    const CellArea& printed) {
    PageSetup page = sheet.pageSetup();
    page.setOrientation(xl::Landscape);
    page.setFitToPages(1, 0);
    page.setPrintTitleRows(QStringLiteral("$%1:$%2").arg(firstHeadingRow).arg(lastHeadingRow));
    page.setPrintArea(areaName(printed));
    sheet.cells(lastHeadingRow + 1, 1).freezePanes();
}
