#pragma once
// An open company whose workspace view is open, and a spreadsheet that keeps what an
// export writes in its workbook model instead of opening anything.

#include "exports/SpreadsheetStarter.h"
#include "exports/WorkbookApp.h"
#include "store/TdmTables.h"
#include "tests/workspace/RegisterFixture.h"

#include <QTemporaryDir>

class ExportFixture {
public:
    ExportFixture() {
        class NoOpener : public WorkbookOpener {
        public:
            bool open(const QString&) override { return true; }
        };
        app = std::make_shared<WorkbookApp>(std::make_shared<NoOpener>(), m_output.path());
        setSpreadsheetStarter(
            [app = app] { return std::static_pointer_cast<SpreadsheetApp>(app); });
    }
    ~ExportFixture() {
        TdmTables& dm = dmTables();
        dm.qrTemp.close();
        dm.tblMistDilAkinita.close();
        dm.tblMistDilDet.close();
        dm.tblMistDilMast.close();
        setSpreadsheetStarter({});
    }

    // Opens the declarations and their details, as the workspace holds them.
    void openView() {
        TdmTables& dm = dmTables();
        dm.tblMistDilMast.open();
        dm.tblMistDilDet.open();
        dm.tblMistDilAkinita.open();
    }
    const SheetModel& sheet() const { return app->model(1).sheet(); }
    QString at(int row, int column) const { return sheet().value(row, column).toString(); }

    RegisterFixture declarations;
    std::shared_ptr<WorkbookApp> app;

private:
    QTemporaryDir m_output;
};
