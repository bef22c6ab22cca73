#pragma once
// Commands of the W3C WebDriver protocol to a driver on the loopback interface, one
// HTTP request each. A command waits in a local event loop that lets everything but the
// operator's input run, and never longer than its time-out.

#include "common/ErrorReport.h"

#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QString>

// A command the driver refused; error is the protocol's code, e.g. "no such window".
class WebDriverError : public AppError {
public:
    WebDriverError(const QString& code, const QString& text) : AppError(text), error(code) {}
    QString error;
};

class WebDriverClient {
public:
    void setPort(quint16 port) { m_port = port; }
    // Sends the command and gives the "value" of the answer. POST commands always carry a
    // body ("{}" at least), as the driver refuses an empty one.
    QJsonValue get(const QString& path, int timeoutMs = kTimeoutMs);
    QJsonValue post(const QString& path, const QJsonValue& body, int timeoutMs = kTimeoutMs);
    QJsonValue remove(const QString& path, int timeoutMs = kTimeoutMs);

    static constexpr int kTimeoutMs = 30000;

private:
    QJsonValue send(const QByteArray& verb, const QString& path, const QByteArray& body,
                    int timeoutMs);

    QNetworkAccessManager m_network;
    quint16 m_port = 0;
};
