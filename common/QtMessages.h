#pragma once
#include "common/Messages.h"

// Message boxes with Greek buttons ("OK", "Ναι", "Όχι", "Άκυρο"); Qt ships none of its own.
class QtMessages : public MessageSeam {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool askOkCancel(const QString& text) override;
    int askChoice(const QString& text, const QStringList& buttons) override;
    // Qt's file dialog with Greek labels, run through the dialog runner.
    QString askSaveFileName(const QString& proposedPath, const QString& filter) override;
};
