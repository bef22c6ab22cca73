#include "updates/Updates.h"
#include "common/DialogRunner.h"
#include "updates/StartupCheck.h"
#include "updates/TfiNewVer.h"

void RunStartupVersionCheck() {
    if (StartupCheck::isSwitchedOff())
        return;
    CheckForNewVersion(false);
}

void ShowVersionWindow(QWidget* parent) {
    TfiNewVer window(parent);
    runDialog(window);
}
