#pragma once
// The workbook provider: the spreadsheet application behind the exports, kept in memory.
// It starts hidden and records each workbook in a WorkbookModel. Visible := True writes
// every workbook as a new .xlsx file in the output folder (the operator's workbook
// folder of WorkbookFiles unless told otherwise), named "Lethora-YYYYMMDD-hhmmss-N.xlsx",
// and opens it for the operator; True again while shown does nothing, so after False it writes new
// files. A file that cannot be written is reported to the operator with its path; one that cannot
// be opened too, with "Αποθήκευση ως…" to keep it under a name of the operator's choice.

#include "exports/Spreadsheet.h"
#include "exports/WorkbookModel.h"
#include "exports/WorkbookOpener.h"

#include <QStringList>
#include <memory>
#include <vector>

class WorkbookApp final : public SpreadsheetApp {
public:
    explicit WorkbookApp(std::shared_ptr<WorkbookOpener> opener = nullptr,
                         const QString& outputFolder = {});

    Workbook& addWorkbook() override;
    Workbook& workbook(int index) override;
    void setVisible(bool visible) override;
    bool isVisible() const override { return m_visible; }

    int workbookCount() const { return int(m_workbooks.size()); }
    // The workbook at index, counted from 1.
    const WorkbookModel& model(int index) const;
    // The files written so far, oldest first.
    const QStringList& writtenFiles() const { return m_written; }

private:
    void handOver(const WorkbookModel& workbook);
    void offerToKeep(const QString& path);

    std::shared_ptr<WorkbookOpener> m_opener;
    QString m_folder;
    std::vector<std::unique_ptr<WorkbookModel>> m_workbooks;
    QStringList m_written;
    bool m_visible = false;
};
