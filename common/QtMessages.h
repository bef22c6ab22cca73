#pragma once
#include "common/Messages.h"

// Message boxes with Greek buttons ("OK", "Ναι", "Όχι", "Άκυρο"); Qt ships none of its own.
class QtMessages : public MessageSeam {
public:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool askOkCancel(const QString& text) override;
};
