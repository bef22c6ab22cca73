#pragma once
// The message seam of the command-line tools: every message goes to standard error, one
// line each, and every question is answered No (Cancel), so that a tool never opens a
// window and never goes on with something it was asked to confirm.

#include "common/Messages.h"

class StandardErrorMessages final : public MessageSeam {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool askOkCancel(const QString& text) override;
};

// Writes the text and a line feed to standard error, in UTF-8.
void printToStandardError(const QString& text);
