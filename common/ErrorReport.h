#pragma once
// The general error report: a command runs inside one guard; a failure ends the
// command where it stands and its own text is shown. The window stays open.

#include <QString>
#include <functional>
#include <stdexcept>

// A failure that carries its own text for the operator.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text);
    QString text() const { return m_text; }

private:
    QString m_text;
};

// Runs the command; returns false when it failed and the failure was reported.
bool runGuarded(const std::function<void()>& command);

// The text of the exception in flight; used by guards that report on their own.
QString currentFailureText();
