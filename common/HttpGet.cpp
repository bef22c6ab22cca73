#include "common/HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

HttpReply httpGet(const QString& address, int timeoutMs) {
    HttpReply result;
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty()) {
        result.error = QStringLiteral("Μη έγκυρη διεύθυνση: ") + address;
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // A guard in case the transfer time-out does not cover the connection set-up.
    QTimer::singleShot(timeoutMs + 500, &loop, [reply] { reply->abort(); });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (reply->error() == QNetworkReply::NoError) {
        result.ok = true;
        result.body = reply->readAll();
    } else {
        result.error = reply->errorString();
    }
    reply->deleteLater();
    return result;
}
