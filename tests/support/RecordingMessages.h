#pragma once
// Answers the message seam in tests: records every text shown and gives queued answers
// to questions. A question with no queued answer fails the running test, and so does an
// answer still queued when the recorder ends: the question it was meant for never came.

#include "common/Messages.h"
#include "tests/support/TestFailure.h"

#include <QList>
#include <QStringList>

class RecordingMessages : public MessageSeam {
public:
    RecordingMessages() : m_previous(&messages()) { setMessages(this); }
    ~RecordingMessages() override {
        setMessages(m_previous);
        if (!answers.isEmpty() && !QTest::currentTestFailed())
            failRunningTest(QStringLiteral("%1 queued answer(s) not used; questions asked: %2")
                                .arg(answers.size())
                                .arg(asked.isEmpty() ? QStringLiteral("none")
                                                     : asked.join(QStringLiteral(" | "))));
    }

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
