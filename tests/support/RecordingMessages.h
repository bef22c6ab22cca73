#pragma once
// Answers the message seam in tests: records every text shown and gives queued answers
// to questions (Yes/No, a button by its caption, a file name). A question with no queued
// answer fails the running test, and so does an answer still queued when the recorder
// ends: the question it was meant for never came.

#include "common/Messages.h"
#include "tests/support/TestFailure.h"

#include <QList>
#include <QStringList>

class RecordingMessages : public MessageSeam {
public:
    RecordingMessages() : m_previous(&messages()) { setMessages(this); }
    ~RecordingMessages() override {
        setMessages(m_previous);
        const qsizetype unused = answers.size() + choices.size() + fileNames.size();
        if (unused > 0 && !QTest::currentTestFailed())
            failRunningTest(QStringLiteral("%1 queued answer(s) not used; questions asked: %2")
                                .arg(unused)
                                .arg(asked.isEmpty() ? QStringLiteral("none")
                                                     : asked.join(QStringLiteral(" | "))));
    }

    void showMessage(const QString& text) override { shown << text; }
    void showError(const QString& text) override { errors << text; }
    bool askYesNo(const QString& text) override { return answer(text); }
    bool askOkCancel(const QString& text) override { return answer(text); }
    int askChoice(const QString& text, const QStringList& buttons) override {
        asked << text;
        const qsizetype pressed = choices.isEmpty() ? -1 : buttons.indexOf(choices.takeFirst());
        if (pressed < 0)
            failRunningTest(QStringLiteral("no queued button among ") +
                            buttons.join(QStringLiteral(", ")) + QStringLiteral(" for: ") + text);
        return int(pressed < 0 ? buttons.size() - 1 : pressed);
    }
    QString askSaveFileName(const QString& proposedPath, const QString&) override {
        proposedFileNames << proposedPath;
        if (fileNames.isEmpty())
            failRunningTest(QStringLiteral("file dialog with no queued name: ") + proposedPath);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }

    void queueAnswer(bool yes) { answers << yes; }
    // The caption of the button to press at the next choice.
    void queueChoice(const QString& caption) { choices << caption; }
    // The path that the next file dialog gives; empty for Cancel.
    void queueFileName(const QString& path) { fileNames << path; }
    void clear() {
        shown.clear();
        errors.clear();
        asked.clear();
    }

    QStringList shown;
    QStringList errors;
    QStringList asked;
    QList<bool> answers;
    QStringList choices;
    QStringList fileNames;
    QStringList proposedFileNames;

private:
    MessageSeam* m_previous;
    bool answer(const QString& text) {
        asked << text;
        if (answers.isEmpty()) {
            failRunningTest(QStringLiteral("question with no queued answer: ") + text);
            return false;
        }
        return answers.takeFirst();
    }
};
