#include "app/DataFolderChoice.h"
#include "app/TfiDataFolder.h"
#include "common/DataFolder.h"
#include "common/DialogRunner.h"
#include "common/Messages.h"

namespace {
// Asks until the operator gives a folder that can be written or leaves.
QString askForFolder(QString proposal) {
    for (;;) {
        TfiDataFolder question(proposal);
        if (runDialog(question) != QDialog::Accepted)
            return QString();
        const QString folder = question.chosenFolder();
        const QString refused = DataFolder::refusal(folder);
        if (refused.isEmpty()) {
            DataFolder::remember(folder);
            return folder;
        }
        showMessage(refused);
        if (!folder.isEmpty())
            proposal = folder;
    }
}
} // namespace

QString chooseDataFolder(const QString& commandLineFolder, const QString& programFolder) {
    if (!commandLineFolder.isEmpty()) {
        const QString folder = DataFolder::normalised(commandLineFolder);
        const QString refused = DataFolder::refusal(folder);
        if (refused.isEmpty())
            return folder;
        showMessage(refused);
        return QString();
    }
    if (DataFolder::isBuildTree(programFolder))
        return programFolder;
    const QString remembered = DataFolder::remembered();
    if (remembered.isEmpty())
        return askForFolder(DataFolder::proposed());
    // A remembered folder that cannot be written now (a network folder not mounted)
    // is named, and the question asked again with it proposed.
    const QString refused = DataFolder::refusal(remembered);
    if (refused.isEmpty())
        return remembered;
    showMessage(refused);
    return askForFolder(remembered);
}
