#pragma once
// The office overview's lists written into one new workbook, one sheet each, with the
// look of the register export (titles, bold headers, section fills, text and amount
// formats, fitted widths), and handed to the operator.

#include "workspace/OverviewTables.h"

// The tables in order; the first takes the workbook's first sheet.
void ExportOfficeOverview(const QList<OverviewTable>& tables);
