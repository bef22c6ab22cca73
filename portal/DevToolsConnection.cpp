#include "portal/DevToolsConnection.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>

DevToolsConnection::DevToolsConnection() {
    QObject::connect(&m_pipe, &ProcessPlatform::DebugPipe::readyRead, [this] { poll(); });
}

DevToolsConnection::~DevToolsConnection() {
    stop();
}

void DevToolsConnection::start(const QString& program, const QStringList& arguments,
                               const QString& hint) {
    stop();
    if (!m_pipe.open())
        throw AppError(QStringLiteral("Δεν δημιουργήθηκε η σύνδεση με τον φυλλομετρητή."));
    m_partial.clear();
    m_process.start(program, arguments + QStringList{QStringLiteral("--remote-debugging-pipe")},
                    hint, &m_pipe);
}

bool DevToolsConnection::isRunning() const {
    return m_process.isRunning() && !m_pipe.isClosed();
}

void DevToolsConnection::stop() {
    // The browser closes by itself first, so that it tidies up what it keeps.
    if (isRunning()) {
        try {
            call(QStringLiteral("Browser.close"), {}, QString(), kCloseTimeoutMs);
        } catch (const DevToolsError&) {
        }
        m_process.waitForEnd(kCloseTimeoutMs);
    }
    m_pipe.close();
    m_process.stop();
    for (QEventLoop* loop : std::as_const(m_waiting))
        loop->quit();
    m_answers.clear();
    m_late.clear();
    m_unwaited.clear();
}

int DevToolsConnection::post(const QString& method, const QJsonObject& params,
                             const QString& session) {
    const int id = m_nextId++;
    QJsonObject message{{QStringLiteral("id"), id},
                        {QStringLiteral("method"), method},
                        {QStringLiteral("params"), params}};
    if (!session.isEmpty())
        message.insert(QStringLiteral("sessionId"), session);
    if (!m_pipe.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\0'))
        throw DevToolsError(DevToolsError::Kind::Closed, id,
                            QStringLiteral("Ο φυλλομετρητής έχει κλείσει."));
    return id;
}

void DevToolsConnection::send(const QString& method, const QJsonObject& params,
                              const QString& session) {
    m_unwaited.insert(post(method, params, session));
}

QJsonObject DevToolsConnection::call(const QString& method, const QJsonObject& params,
                                     const QString& session, int timeoutMs) {
    const int id = post(method, params, session);
    poll();
    if (!m_answers.contains(id) && isRunning()) {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start(timeoutMs);
        m_waiting.insert(id, &loop);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_waiting.remove(id);
    }
    if (!m_answers.contains(id)) {
        if (!isRunning())
            throw DevToolsError(DevToolsError::Kind::Closed, id,
                                QStringLiteral("Ο φυλλομετρητής έχει κλείσει."));
        m_late.insert(id);
        throw DevToolsError(DevToolsError::Kind::NoAnswer, id,
                            QStringLiteral("Ο φυλλομετρητής δεν απάντησε στην εντολή %1 μέσα σε "
                                           "%2 δευτερόλεπτα.")
                                .arg(method)
                                .arg(timeoutMs / 1000.0, 0, 'f', 1));
    }
    const QJsonObject answer = m_answers.take(id);
    const QJsonObject error = answer.value(QStringLiteral("error")).toObject();
    if (!error.isEmpty())
        throw DevToolsError(DevToolsError::Kind::Refused, id,
                            QStringLiteral("Ο φυλλομετρητής απάντησε με σφάλμα στην εντολή %1: %2")
                                .arg(method, error.value(QStringLiteral("message")).toString()));
    return answer.value(QStringLiteral("result")).toObject();
}

bool DevToolsConnection::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    poll();
    if (condition() || !isRunning())
        return condition();
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    const QMetaObject::Connection arrival =
        QObject::connect(&m_pipe, &ProcessPlatform::DebugPipe::readyRead, &loop, [&] {
            poll();
            if (condition() || !isRunning())
                loop.quit();
        });
    limit.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(arrival);
    return condition();
}

void DevToolsConnection::poll() {
    m_partial += m_pipe.takeAvailable();
    // The whole messages are taken first: a handler may wait for an answer in turn.
    QList<QByteArray> messages;
    qsizetype start = 0;
    for (qsizetype end; (end = m_partial.indexOf('\0', start)) >= 0; start = end + 1)
        messages.append(m_partial.mid(start, end - start));
    m_partial.remove(0, start);
    for (const QByteArray& message : messages)
        arrived(message);
    if (m_pipe.isClosed())
        for (QEventLoop* loop : std::as_const(m_waiting))
            loop->quit();
}

void DevToolsConnection::arrived(const QByteArray& text) {
    const QJsonObject message = QJsonDocument::fromJson(text).object();
    const QJsonValue id = message.value(QStringLiteral("id"));
    if (id.isDouble()) {
        const int number = id.toInt();
        // Answers nobody waits for any more are dropped.
        if (m_late.remove(number) || m_unwaited.remove(number))
            return;
        m_answers.insert(number, message);
        if (QEventLoop* loop = m_waiting.value(number))
            loop->quit();
        return;
    }
    if (m_onEvent)
        m_onEvent(message.value(QStringLiteral("method")).toString(),
                  message.value(QStringLiteral("params")).toObject(),
                  message.value(QStringLiteral("sessionId")).toString());
}
