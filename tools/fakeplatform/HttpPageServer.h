#pragma once
// Serves a PageSource over HTTP on 127.0.0.1: a request's method, address, form fields
// and cookies go to the source; its answer's status, page, redirect address and cookies
// come back. Chromium thus sees the same platform as the scripted browser.

#include "portal/PageSource.h"

#include <QAbstractHttpServer>

class HttpPageServer : public QAbstractHttpServer {
public:
    // The source may be given after listening (a platform needs the server's address);
    // until then requests are answered "503".
    explicit HttpPageServer(PageSource* source = nullptr);
    void setSource(PageSource* source) { m_source = source; }
    // Listens on 127.0.0.1 (port 0: any free one); gives the port, 0 on failure.
    quint16 listenLocally(quint16 port = 0);
    // The base address of the server, e.g. "http://127.0.0.1:8123".
    QString base() const;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    PageSource* m_source;
    quint16 m_port = 0;
};
