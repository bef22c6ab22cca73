#pragma once
// Plain GET requests with a time-out, for the maker's web services. The request waits
// in a local event loop, so windows stay responsive, and never longer than the time-out.

#include <QByteArray>
#include <QString>

struct HttpReply {
    bool ok = false;
    QByteArray body;
    QString error; // why it failed, for the operator
};

HttpReply httpGet(const QString& address, int timeoutMs);
