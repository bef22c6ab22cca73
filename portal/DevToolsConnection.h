#pragma once
// The Chrome DevTools protocol over the browser's debugging pipe: the browser started
// as a guarded process (see GuardedProcess) with --remote-debugging-pipe, commands as
// JSON messages ended by a zero byte, answers matched by their number, and events handed
// to one handler as they arrive. Commands to a page carry its flattened session. A command
// waits in a local event loop that lets everything but the operator's input run, and never
// longer than its own time limit.

#include "common/ErrorReport.h"
#include "portal/GuardedProcess.h"
#include "portal/ProcessPlatform.h"

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <functional>

class QEventLoop;

// A command that failed. kind tells why: no answer within its time, the browser's end
// closed, or the browser refused it (message is then the browser's own).
class DevToolsError : public AppError {
public:
    enum class Kind { NoAnswer, Closed, Refused };
    DevToolsError(Kind why, int command, const QString& text)
        : AppError(text), kind(why), id(command) {}
    Kind kind;
    int id;
};

class DevToolsConnection {
public:
    // An event: its method, parameters and the session of the page it came from (empty
    // for the browser's own).
    using EventHandler =
        std::function<void(const QString& method, const QJsonObject& params, const QString&)>;

    DevToolsConnection();
    ~DevToolsConnection();
    DevToolsConnection(const DevToolsConnection&) = delete;
    DevToolsConnection& operator=(const DevToolsConnection&) = delete;

    void setEventHandler(EventHandler handler) { m_onEvent = std::move(handler); }
    // Starts the browser with the pipe; raises AppError when it does not start.
    void start(const QString& program, const QStringList& arguments, const QString& hint);
    bool isRunning() const;
    // Ends the browser's group and removes its folder.
    void stop();
    QString folder() const { return m_process.folder(); }

    // Sends the command and waits for its answer; gives its "result", raises DevToolsError.
    QJsonObject call(const QString& method, const QJsonObject& params = {},
                     const QString& session = QString(), int timeoutMs = kTimeoutMs);
    // Sends the command without waiting for its answer.
    void send(const QString& method, const QJsonObject& params = {},
              const QString& session = QString());
    // Hands what has arrived to its waiters and the event handler.
    void poll();
    // Lets everything but the operator's input run until the condition holds, something
    // more arrives and it holds then, or the time runs out; gives whether it holds.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
    // Whether the command, whose wait ran out, is still without its answer.
    bool isUnanswered(int id) const { return m_late.contains(id); }

    static constexpr int kTimeoutMs = 30000;
    // The longest the browser is given to close by itself.
    static constexpr int kCloseTimeoutMs = 2000;

private:
    int post(const QString& method, const QJsonObject& params, const QString& session);
    void arrived(const QByteArray& message);

    GuardedProcess m_process;
    ProcessPlatform::DebugPipe m_pipe;
    QByteArray m_partial;
    int m_nextId = 1;
    EventHandler m_onEvent;
    QHash<int, QEventLoop*> m_waiting;
    QHash<int, QJsonObject> m_answers;
    QSet<int> m_late;
    QSet<int> m_unwaited;
};
