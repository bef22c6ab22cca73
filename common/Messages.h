#pragma once
// The one seam through which every message and question reaches the operator.
// The application installs QtMessages at start; tests install a recorder that answers.
// Until one is installed, messages go to standard error and questions are answered No.

#include <QString>
#include <QStringList>

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // A message with an OK button (refusals, results, notices).
    virtual void showMessage(const QString& text) = 0;
    // The general error report: a failure's own text, with an OK button.
    virtual void showError(const QString& text) = 0;
    // A Yes/No confirmation with the question icon; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // An OK/Cancel confirmation; true for OK.
    virtual bool askOkCancel(const QString& text) = 0;
    // A message with buttons of its own, in the order shown; the last one is the default
    // and the one that closing the box gives. The index of the button pressed. Unless a
    // seam offers the choice, the text is shown as a message and the last button is given.
    virtual int askChoice(const QString& text, const QStringList& buttons);
    // The file dialog that keeps a file under a name of the operator's choice, starting
    // from proposedPath; the path chosen, empty when the operator cancels (and unless a
    // seam offers the dialog).
    virtual QString askSaveFileName(const QString& proposedPath, const QString& filter);
};

// The seam in force; standard error unless the application or a test installed one.
MessageSeam& messages();
// Installs a seam (nullptr restores standard error). The caller keeps ownership.
void setMessages(MessageSeam* seam);

inline void showMessage(const QString& text) {
    messages().showMessage(text);
}
inline bool askYesNo(const QString& text) {
    return messages().askYesNo(text);
}
