#include "app/EnablingRule.h"

namespace {
void setChildCommands(MainCommandState& s, bool on) {
    s.acSave = s.acCloseMdiForm = s.acPreview = s.acPrint = s.acExportBookToExcel = on;
}
} // namespace

void applyEnablingRule(const MainWindowSituation& situation, MainCommandState& s) {
    const bool children = situation.childWindows > 0;
    s.hideVideoHelp = children;
    if (!situation.companyOpen) {
        setChildCommands(s, children);
        // The start panel lies over the child windows' area: a child window (the office
        // overview, which needs no company) hides it.
        s.mainPanelVisible = !children;
        s.acNewComp = s.acOpenCompany = s.acDeleteCompany = true;
        s.acCompChange = s.acCompClose = false;
        s.mainPanel2Visible = false;
        return;
    }
    s.acOpenCompany = s.acNewComp = s.acDeleteCompany = false;
    s.mainPanelVisible = false;
    if (children) {
        if (situation.activeChildName == QLatin1String("fiNewComp")) {
            s.acSave = s.acCloseMdiForm = true;
            s.acPreview = s.acPrint = s.acExportBookToExcel = false;
        } else {
            // Save and close keep whatever they had.
            s.acPreview = s.acPrint = s.acExportBookToExcel = true;
        }
        s.acCompChange = s.acCompClose = false;
        s.mainPanel2Visible = false;
    } else {
        setChildCommands(s, false);
        s.acCompChange = s.acCompClose = true;
        s.mainPanel2Visible = true;
    }
}
