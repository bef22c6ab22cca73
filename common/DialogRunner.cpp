#include "common/DialogRunner.h"

namespace {
DialogRunnerFn& installedRunner() {
    static DialogRunnerFn runner;
    return runner;
}
} // namespace

int runDialog(QDialog& dialog) {
    if (installedRunner())
        return installedRunner()(dialog);
    return dialog.exec();
}

void setDialogRunner(DialogRunnerFn runner) {
    installedRunner() = std::move(runner);
}
