#include "tools/fakeplatform/HttpPageServer.h"

#include <QHttpServerRequest>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {
QMap<QString, QString> cookiesOf(const QHttpServerRequest& request) {
    QMap<QString, QString> cookies;
    for (const auto& [name, value] : request.headers()) {
        if (name.compare("cookie", Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray& pair : value.split(';')) {
            const qsizetype equals = pair.indexOf('=');
            if (equals > 0)
                cookies.insert(QString::fromUtf8(pair.left(equals).trimmed()),
                               QString::fromUtf8(pair.mid(equals + 1).trimmed()));
        }
    }
    return cookies;
}

QList<QPair<QString, QString>> formFields(const QByteArray& body) {
    QByteArray plain = body;
    plain.replace('+', ' ');
    QList<QPair<QString, QString>> fields;
    for (const auto& [name, value] :
         QUrlQuery(QString::fromLatin1(plain)).queryItems(QUrl::FullyDecoded))
        fields.append({name, value});
    return fields;
}

QByteArray reasonOf(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 404:
        return "Not Found";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}
} // namespace

HttpPageServer::HttpPageServer(PageSource* source) : m_source(source) {}

quint16 HttpPageServer::listenLocally(quint16 port) {
    m_port = listen(QHostAddress::LocalHost, port);
    return m_port;
}

QString HttpPageServer::base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

bool HttpPageServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    PageRequest page;
    page.method = request.method() == QHttpServerRequest::Method::Post ? QStringLiteral("POST")
                                                                       : QStringLiteral("GET");
    page.url = request.url();
    page.cookies = cookiesOf(request);
    if (page.method == QLatin1String("POST"))
        page.fields = formFields(request.body());
    PageAnswer answer;
    answer.status = 503;
    if (m_source)
        answer = m_source->answer(page);

    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' +
                      reasonOf(answer.status) +
                      "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n";
    if (!answer.location.isEmpty())
        head += "Location: " + page.url.resolved(answer.location).toEncoded() + "\r\n";
    for (auto it = answer.setCookies.cbegin(); it != answer.setCookies.cend(); ++it)
        head += "Set-Cookie: " + it.key().toUtf8() + '=' + it.value().toUtf8() +
                "; Path=/; HttpOnly\r\n";
    const QByteArray body = answer.html.toUtf8();
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
    socket->write(head + body);
    return true;
}

void HttpPageServer::missingHandler(const QHttpServerRequest&, QTcpSocket*) {}
