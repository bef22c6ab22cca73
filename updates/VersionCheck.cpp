#include "updates/VersionCheck.h"
#include "common/Clock.h"
#include "common/Messages.h"
#include "common/WorkFolder.h"
#include "updates/FileList.h"
#include "updates/ServiceRequest.h"
#include "updates/SetupProgram.h"
#include "updates/TransferCounters.h"
#include "updates/UpdateAddresses.h"
#include "updates/UpdateLauncher.h"
#include "updates/UpdateTexts.h"
#include "updates/VersionText.h"

bool VersionCheck::newerVersionOffered() {
    return VersionText::isNewer(
        VersionText::fromAnswer(ServiceRequest::get(UpdateAddresses::versionService())));
}

void VersionCheck::downloadAndStartSetup() {
    const FileList list = parseFileList(ServiceRequest::get(UpdateAddresses::fileListService()));
    transferCounters().expectedTotal = list.totalSize();
    // The progress displays show the expected total before the download starts.
    PumpWait(0);
    const QByteArray program = ServiceRequest::get(UpdateAddresses::setupDownload());

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
