#pragma once
// The maker's update services for tests, on 127.0.0.1: an HTTP server that answers
// the version, the file list and the setup program from its fields and counts the
// requests; a server that accepts connections and never answers; one that never
// accepts them; a server that sends half of the announced body and hangs up; and an
// address where nobody listens.
// Each points the settings of the working folder at itself, so create it after the
// TestFolder.

#include "common/Settings.h"

#include <QHash>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QTcpServer>
#include <QTcpSocket>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace UpdateServices {
inline void pointAt(const QString& version, const QString& fileList, const QString& setup) {
    Settings::setFolderValue(QStringLiteral("VersionServiceAddress"), version);
    Settings::setFolderValue(QStringLiteral("FileListServiceAddress"), fileList);
    Settings::setFolderValue(QStringLiteral("SetupDownloadAddress"), setup);
}

inline QString local(quint16 port, const char* path) {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(QLatin1String(path));
}
} // namespace UpdateServices

class UpdateServer {
public:
    UpdateServer() {
        answer("/version", &version, "version");
        answer("/files", &fileList, "files");
        answer("/Setup.exe", &setup, "setup");
        m_port = m_server.listen(QHostAddress::LocalHost);
        UpdateServices::pointAt(address("/version"), address("/files"), address("/Setup.exe"));
    }

    QString address(const char* path) const { return UpdateServices::local(m_port, path); }

    QByteArray version = "2025 (ver 06.21)";
    QByteArray fileList;
    QByteArray setup;
    QHash<QString, int> hits;

private:
    void answer(const char* path, const QByteArray* body, const char* name) {
        m_server.route(QLatin1String(path), [this, body, name] {
            ++hits[QLatin1String(name)];
            return QHttpServerResponse("application/octet-stream", *body);
        });
    }

    QHttpServer m_server;
    quint16 m_port = 0;
};

// Accepts every connection and keeps it open without a word.
class SilentServer {
public:
    SilentServer() {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                m_sockets.push_back(socket);
        });
    }
    QString address() const { return UpdateServices::local(m_server.serverPort(), "/version"); }

private:
    QTcpServer m_server;
    std::vector<QTcpSocket*> m_sockets;
};

// Announces a body of `announced` bytes, sends `sent` of them and hangs up.
class HangingUpServer {
public:
    HangingUpServer(int announced, int sent) {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, announced, sent] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, announced, sent] {
                    socket->readAll();
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                                  "Content-Length: " +
                                  QByteArray::number(announced) + "\r\n\r\n" +
                                  QByteArray(sent, 'x'));
                    socket->disconnectFromHost();
                });
        });
    }
    QString address() const { return UpdateServices::local(m_server.serverPort(), "/Setup.exe"); }

private:
    QTcpServer m_server;
};

// Listens with a backlog of one that a first connection fills and nobody accepts: the
// kernel drops further connection attempts, so they never complete.
class UnacceptingServer {
public:
    UnacceptingServer() : m_fd(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(m_fd, 0);
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_filler.connectToHost(QHostAddress::LocalHost, m_port);
        m_filler.waitForConnected();
    }
    ~UnacceptingServer() { ::close(m_fd); }
    QString address() const { return UpdateServices::local(m_port, "/version"); }

private:
    int m_fd;
    quint16 m_port = 0;
    QTcpSocket m_filler;
};

// An address on 127.0.0.1 where no server listens: connections are refused.
inline QString refusingAddress() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return UpdateServices::local(port, "/version");
}
