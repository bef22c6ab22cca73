#pragma once
// Writes a workbook model as an .xlsx file (libxlsxwriter), its sheets in order:
// - text cells as text and numbers as numbers, with their styles;
// - number formats in the file's own notation: "#.##0,00" is stored as "#,##0.00_)", which
//   a Greek spreadsheet shows as 1.234,50 with a character's space after it; "@" stays as
//   it is;
// - fills (colour value red + 256 × green + 65536 × blue turned into RGB), bold type,
//   alignment, bottom lines (thin or double), merged blocks;
// - column widths set by AutoFit and the styles of whole columns;
// - charts of clustered columns, their series as ChartModel::series() gives them, placed
//   and sized in points as added, with their title. A chart that was given no data is
//   left out: the file format has no empty chart;
// - the page setup on A4 paper, the printed block widened to take in the charts, and the
//   frozen panes.

#include "exports/WorkbookModel.h"

#include <QString>

// AppError with a Greek text naming the file when it cannot be written.
void writeXlsx(const WorkbookModel& workbook, const QString& path);
