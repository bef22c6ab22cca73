#pragma once
// Every modal dialog that a command opens is run through here. The application runs
// it with exec(); a test installs a runner that drives the dialog and answers it.

#include <QDialog>
#include <functional>

using DialogRunnerFn = std::function<int(QDialog& dialog)>;

// Runs the dialog modally; returns QDialog::Accepted or QDialog::Rejected.
int runDialog(QDialog& dialog);
// Installs a runner (an empty function restores exec()).
void setDialogRunner(DialogRunnerFn runner);
