#pragma once
// Answers the message seam in tests: records every text shown and gives queued answers
// to questions (a question with no queued answer fails the test loudly).

#include "common/Messages.h"

#include <QList>
#include <QStringList>

class RecordingMessages : public MessageSeam {
public:
    RecordingMessages() : m_previous(&messages()) { setMessages(this); }
    ~RecordingMessages() override { setMessages(m_previous); }

    void showMessage(const QString& text) override { shown << text; }
    void showError(const QString& text) override { errors << text; }
    bool askYesNo(const QString& text) override { return answer(text); }
    bool askOkCancel(const QString& text) override { return answer(text); }

    void queueAnswer(bool yes) { answers << yes; }
    void clear() {
        shown.clear();
        errors.clear();
        asked.clear();
    }

    QStringList shown;
    QStringList errors;
    QStringList asked;
    QList<bool> answers;
    int unansweredQuestions = 0;

private:
    MessageSeam* m_previous;
    bool answer(const QString& text) {
        asked << text;
        if (answers.isEmpty()) {
            ++unansweredQuestions;
            return false;
        }
        return answers.takeFirst();
    }
};
