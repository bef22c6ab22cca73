#include "updates/ServiceRequest.h"
#include "common/Clock.h"
#include "updates/ProgressViews.h"
#include "updates/TransferCounters.h"
#include "updates/UpdateFailure.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <memory>

namespace {
int& timeoutSetting() {
    static int ms = ServiceRequest::kDefaultTimeoutMs;
    return ms;
}

void showTransferEnded() {
    TransferCounters& counters = transferCounters();
    counters.endTransfer();
    ProgressViews::showEverywhere(progressReport(counters));
    PumpWait(0);
}
} // namespace

int ServiceRequest::timeoutMs() {
    return timeoutSetting();
}

void ServiceRequest::setTimeoutMs(int ms) {
    timeoutSetting() = ms;
}

QByteArray ServiceRequest::get(const QString& address) {
    TransferCounters& counters = transferCounters();
    counters.inProgress = 0;

    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(address)};
    request.setTransferTimeout(timeoutMs());
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QObject::connect(
        reply.get(), &QNetworkReply::downloadProgress,
        [&counters](qint64 bytesReceived, qint64) { counters.inProgress = bytesReceived; });
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    if (!reply->isFinished()) // the loop was told to end from outside
        reply->abort();

    showTransferEnded();
    if (reply->error() != QNetworkReply::NoError)
        throw UpdateFailure(address + QStringLiteral(": ") + reply->errorString());
    return reply->readAll();
}
