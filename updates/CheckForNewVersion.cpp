#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "common/WaitCursor.h"
#include "common/WorkFolder.h"
#include "updates/FileList.h"
#include "updates/ServiceRequest.h"
#include "updates/SetupProgram.h"
#include "updates/TfiNoConnection.h"
#include "updates/TransferCounters.h"
#include "updates/UpdateAddresses.h"
#include "updates/UpdateFailure.h"
#include "updates/UpdateLauncher.h"
#include "updates/UpdateTexts.h"
#include "updates/Updates.h"
#include "updates/VersionText.h"

#include <QCoreApplication>

namespace {
// A request to the maker's services, under the hourglass.
QByteArray fetch(const QString& address) {
    WaitCursor hourglass;
    return ServiceRequest::get(address);
}

// Downloads the setup program that the operator agreed to; starts it and ends the
// application when it is whole. Request failures leave as UpdateFailure.
void downloadAndStartSetup() {
    const FileList list = parseFileList(fetch(UpdateAddresses::fileListService()));
    transferCounters().expectedTotal = list.totalSize();
    QCoreApplication::processEvents();
    const QByteArray program = fetch(UpdateAddresses::setupDownload());

    switch (SetupProgram::judge(program.size(), list.setupSize())) {
    case SetupProgram::Verdict::TooSmall:
        return;
    case SetupProgram::Verdict::Unlisted:
        showMessage(UpdateTexts::kSetupNotListed);
        return;
    case SetupProgram::Verdict::Incomplete:
        showMessage(UpdateTexts::incompleteDownload(program.size(), *list.setupSize()));
        return;
    case SetupProgram::Verdict::Keep:
        break;
    }
    SetupProgram::save(program);
    if (!updateLauncher().start(WorkFolder::path(SetupProgram::kPath))) {
        showMessage(UpdateTexts::kSetupNotStarted);
        return;
    }
    updateLauncher().quitApplication();
}
} // namespace

void CheckForNewVersion(bool interactive) {
    TfiNoConnection progress;
    QCoreApplication::processEvents();
    progress.show();
    runGuarded([&] {
        try {
            const QString serviceVersion =
                VersionText::fromAnswer(fetch(UpdateAddresses::versionService()));
            if (VersionText::isNewer(serviceVersion)) {
                if (askYesNo(UpdateTexts::kNewVersionQuestion))
                    downloadAndStartSetup();
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
