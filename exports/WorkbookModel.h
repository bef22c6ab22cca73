#pragma once
// A workbook of the workbook provider: one sheet, as a new workbook of the spreadsheet
// application has, and those added after it.

#include "exports/SheetModel.h"
#include "exports/Spreadsheet.h"

#include <memory>
#include <vector>

class WorkbookModel final : public Workbook {
public:
    WorkbookModel();
    // WorkSheets(index), from 1 to the number of sheets; other indexes are refused.
    Sheet& worksheet(int index) override;
    Sheet& addWorksheet(const QString& name) override;
    void setWorksheetName(int index, const QString& name) override;
    // The first sheet.
    const SheetModel& sheet() const { return *m_sheets.front(); }
    const std::vector<std::unique_ptr<SheetModel>>& sheets() const { return m_sheets; }

private:
    // Refuses a name that the application would not take for the sheet at index (0 for a
    // new sheet).
    void checkName(const QString& name, int index) const;

    std::vector<std::unique_ptr<SheetModel>> m_sheets;
};
