#include "common/Clock.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "common/WaitCursor.h"
#include "updates/TfiNoConnection.h"
#include "updates/UpdateFailure.h"
#include "updates/UpdateTexts.h"
#include "updates/Updates.h"
#include "updates/VersionCheck.h"

namespace {
// The requests to the maker's services run under the hourglass; a message box that opens
// meanwhile shows the arrow.
template <typename Request> auto underHourglass(Request request) {
    WaitCursor hourglass;
    return request();
}
} // namespace

void CheckForNewVersion(bool interactive) {
    TfiNoConnection progress;
    PumpWait(0);
    progress.show();
    runGuarded([&] {
        try {
            if (underHourglass(VersionCheck::newerVersionOffered)) {
                if (askYesNo(UpdateTexts::kNewVersionQuestion))
                    underHourglass(VersionCheck::downloadAndStartSetup);
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
