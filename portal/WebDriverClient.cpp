#include "portal/WebDriverClient.h"

#include <QBuffer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <memory>

QJsonValue WebDriverClient::get(const QString& path, int timeoutMs) {
    return send("GET", path, QByteArray(), timeoutMs);
}

QJsonValue WebDriverClient::post(const QString& path, const QJsonValue& body, int timeoutMs) {
    const QByteArray json = body.isObject()
                                ? QJsonDocument(body.toObject()).toJson(QJsonDocument::Compact)
                                : QByteArray("{}");
    return send("POST", path, json, timeoutMs);
}

QJsonValue WebDriverClient::remove(const QString& path, int timeoutMs) {
    return send("DELETE", path, QByteArray(), timeoutMs);
}

QJsonValue WebDriverClient::send(const QByteArray& verb, const QString& path,
                                 const QByteArray& body, int timeoutMs) {
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/json; charset=utf-8"));
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setTransferTimeout(timeoutMs);
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    const std::unique_ptr<QNetworkReply> reply(
        m_network.sendCustomRequest(request, verb, body.isEmpty() ? nullptr : &buffer));
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // A command that ran out of time has no answer to read.
    const QByteArray answer = reply->isOpen() ? reply->readAll() : QByteArray();
    const QJsonValue value =
        QJsonDocument::fromJson(answer).object().value(QStringLiteral("value"));
    const QString error = value.toObject().value(QStringLiteral("error")).toString();
    if (!error.isEmpty())
        throw WebDriverError(error, QStringLiteral("Ο φυλλομετρητής απάντησε με σφάλμα (%1): %2")
                                        .arg(error, value.toObject()
                                                        .value(QStringLiteral("message"))
                                                        .toString()
                                                        .section(QLatin1Char('\n'), 0, 0)));
    if (reply->error() != QNetworkReply::NoError)
        throw WebDriverError(QStringLiteral("no answer"),
                             QStringLiteral("Ο φυλλομετρητής δεν απαντά: ") + reply->errorString());
    return value;
}
