#pragma once
// The maker's update services for tests, on 127.0.0.1. UpdateServer answers
// "/version", "/files" and "/Setup.exe" from its fields, counts the requests by path,
// notes whether the application showed the hourglass while each one ran, and points the settings of
// the working folder at itself (create it after the TestFolder). The other servers stand for
// failures.

#include "common/Settings.h"

#include <QApplication>
#include <QCursor>
#include <QHash>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QTcpSocket>

// Points the three update services at the addresses.
inline void pointUpdateServicesAt(const QString& version, const QString& fileList,
                                  const QString& setup) {
    Settings::setFolderValue(QStringLiteral("VersionServiceAddress"), version);
    Settings::setFolderValue(QStringLiteral("FileListServiceAddress"), fileList);
    Settings::setFolderValue(QStringLiteral("SetupDownloadAddress"), setup);
}

inline QString localAddress(quint16 port, const QString& path) {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
}

class UpdateServer {
public:
    UpdateServer() {
        answer(QStringLiteral("/version"), &version);
        answer(QStringLiteral("/files"), &fileList);
        answer(QStringLiteral("/Setup.exe"), &setup);
        m_port = m_server.listen(QHostAddress::LocalHost);
        pointUpdateServicesAt(address(QStringLiteral("/version")),
                              address(QStringLiteral("/files")),
                              address(QStringLiteral("/Setup.exe")));
    }
    // Other paths answer "404 Not Found".
    QString address(const QString& path) const { return localAddress(m_port, path); }

    QByteArray version = "2025 (ver 06.21)";
    QByteArray fileList;
    QByteArray setup;
    QHash<QString, int> hits;
    QList<bool> underHourglass; // one for each request, in order

private:
    void answer(const QString& path, const QByteArray* body) {
        m_server.route(path, [this, path, body] {
            ++hits[path];
            const QCursor* pointer = QApplication::overrideCursor();
            underHourglass << (pointer && pointer->shape() == Qt::WaitCursor);
            return QHttpServerResponse("application/octet-stream", *body);
        });
    }

    QHttpServer m_server;
    quint16 m_port = 0;
};

// Accepts every connection and never answers. With hangUpAfter set, it answers with a
// body announced twice as long as the bytes it sends, then hangs up.
class BrokenServer {
public:
    explicit BrokenServer(int hangUpAfter = 0) {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, hangUpAfter] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                if (hangUpAfter > 0)
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, hangUpAfter] {
                        socket->readAll();
                        socket->write("HTTP/1.1 200 OK\r\nContent-Length: " +
                                      QByteArray::number(2 * hangUpAfter) + "\r\n\r\n" +
                                      QByteArray(hangUpAfter, 'x'));
                        socket->disconnectFromHost();
                    });
        });
    }
    QString address() const { return localAddress(m_server.serverPort(), QStringLiteral("/")); }

private:
    QTcpServer m_server; // owns the accepted sockets
};

// An address on 127.0.0.1 where no server listens: connections are refused.
inline QString refusingAddress() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return localAddress(port, QStringLiteral("/"));
}
