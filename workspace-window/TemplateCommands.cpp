#include "workspace-window/TemplateCommands.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "exports/RegisterExport.h"
#include "exports/TfiReport.h"
#include "workspace-window/FilterPanel.h"
#include "workspace-window/TfiMistomataTaxis.h"
#include "workspace-window/TfiWait.h"

#include <QProgressBar>
#include <QPushButton>

namespace {
WorkspaceFilters filtersOf(TfiMistomataTaxis& workspace) {
    WorkspaceFilters f;
    f.criteria = [&workspace] { return workspace.filters->criteria(); };
    f.show = [&workspace](const FilterCriteria& c) { workspace.filters->showCriteria(c); };
    f.run = [&workspace] { workspace.imFilterClick(); };
    return f;
}

// The export that the dialog's layout option names, with the workspace's wait window.
void exportChoice(TfiMistomataTaxis& workspace, const TfiReport& report) {
    ExportChoice choice = report.choice();
    choice.stage = workspace.filters->criteria().stage;
    TfiWait* wait = workspace.fiWait;
    ExportProgress progress;
    progress.show = [wait] { wait->show(); };
    progress.setPercent = [wait](int percent) { wait->ProgressBar->setValue(percent); };
    progress.hide = [wait] { wait->hide(); };
    if (!workspace.runWalkingCommand([&] { ExportRegister(choice, progress); }))
        wait->hide();
}
} // namespace

namespace TemplateCommands {

void miExportToExcelClick(TfiMistomataTaxis& workspace) {
    TfiReport report(filtersOf(workspace), &workspace);
    runDialog(report);
}

void btLoadProtypoClick(TfiMistomataTaxis& workspace) {
    TfiReport report(filtersOf(workspace), &workspace);
    if (runGuarded([&] { report.btLoadClick(); }) && report.templateChosen())
        exportChoice(workspace, report);
}

void btExportToExcelClick(TfiMistomataTaxis& workspace) {
    TfiReport report(filtersOf(workspace), &workspace);
    report.btExport->click();
    if (report.result() == QDialog::Accepted)
        exportChoice(workspace, report);
}

} // namespace TemplateCommands
