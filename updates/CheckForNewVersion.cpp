#include "common/Clock.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "updates/TfiNoConnection.h"
#include "updates/UpdateFailure.h"
#include "updates/UpdateTexts.h"
#include "updates/Updates.h"
#include "updates/VersionCheck.h"

void CheckForNewVersion(bool interactive) {
    TfiNoConnection progress;
    PumpWait(0);
    progress.show();
    runGuarded([&] {
        try {
            if (VersionCheck::newerVersionOffered()) {
                if (askYesNo(UpdateTexts::kNewVersionQuestion))
                    VersionCheck::downloadAndStartSetup();
            } else if (interactive) {
                showMessage(UpdateTexts::kNoNewerVersion);
            }
        } catch (const UpdateFailure&) {
            progress.turnIntoNotice();
            runDialog(progress);
        }
    });
    progress.close();
}
