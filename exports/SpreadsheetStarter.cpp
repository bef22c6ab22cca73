#include "exports/SpreadsheetStarter.h"
#include "common/ErrorReport.h"
#include "exports/WorkbookApp.h"

namespace {
SpreadsheetStarter& installedStarter() {
    static SpreadsheetStarter starter;
    return starter;
}
} // namespace

std::shared_ptr<SpreadsheetApp> startSpreadsheetApp() {
    const SpreadsheetStarter& starter = installedStarter();
    std::shared_ptr<SpreadsheetApp> app = starter ? starter() : std::make_shared<WorkbookApp>();
    if (!app)
        throw AppError(QStringLiteral("Δεν ήταν δυνατή η εκκίνηση του λογιστικού φύλλου."));
    return app;
}

void setSpreadsheetStarter(SpreadsheetStarter starter) {
    installedStarter() = std::move(starter);
}
