#pragma once
// Which main-window commands are available, from whether a company is open and which
// child windows are open. Run whenever the application is idle.

#include <QString>

struct MainCommandState {
    bool acSave = false;
    bool acCloseMdiForm = false;
    bool acPreview = false;
    bool acPrint = false;
    bool acExportBookToExcel = false;
    bool acNewComp = true;
    bool acOpenCompany = true;
    bool acDeleteCompany = true;
    bool acCompChange = false;
    bool acCompClose = false;
    bool mainPanelVisible = true;   // the start panel, while no company nor child window is open
    bool mainPanel2Visible = false; // the workspace picture, with a company and no child window
    bool hideVideoHelp = false;     // a child window covers the help-video panel
};

struct MainWindowSituation {
    bool companyOpen = false;
    int childWindows = 0;
    QString activeChildName; // component name of the active child window ("fiNewComp", …)
};

// Applies the rule to the state in force: some commands stay as they are in some cases.
void applyEnablingRule(const MainWindowSituation& situation, MainCommandState& state);
