#pragma once
// A workbook of the workbook provider: one sheet, as a new workbook of the spreadsheet
// application has.

#include "exports/SheetModel.h"
#include "exports/Spreadsheet.h"

class WorkbookModel final : public Workbook {
public:
    WorkbookModel() : m_sheet(QStringLiteral("Φύλλο1")) {}
    // WorkSheets(1); other indexes are refused.
    Sheet& worksheet(int index) override;
    const SheetModel& sheet() const { return m_sheet; }

private:
    SheetModel m_sheet;
};
