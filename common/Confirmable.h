#pragma once
// Logic that cannot go on without the operator's yes does not ask: it returns the question,
// and the window asks it and runs the logic again with the answer.

#include <QString>
#include <functional>

// Whether the operator has said yes to the operation's question.
enum class Consent { NotGiven, Given };

// How an operation that may need the operator's yes ended.
struct Confirmable {
    enum class Status { Done, Refused, NeedsYes };
    Status status = Status::Done;
    QString question; // what to ask the operator when the status is NeedsYes

    static Confirmable done() { return {Status::Done, {}}; }
    static Confirmable refused() { return {Status::Refused, {}}; }
    static Confirmable needsYes(const QString& question) { return {Status::NeedsYes, question}; }
};

// For a window: runs the operation without consent; when it needs the operator's yes, asks
// its question through the message seam and, on Yes, runs it again with consent. True when
// the operation was done.
bool runAskingFirst(const std::function<Confirmable(Consent)>& operation);
