#include "updates/TransferCounters.h"

#include <QLocale>

void TransferCounters::endTransfer() {
    received += inProgress;
    inProgress = 0;
}

TransferCounters& transferCounters() {
    static TransferCounters counters;
    return counters;
}

ProgressReport progressReport(const TransferCounters& counters) {
    ProgressReport report;
    if (counters.received <= counters.expectedTotal) {
        const QLocale locale;
        report.receivedText = QStringLiteral("Παραλήφθησαν ") + locale.toString(counters.received) +
                              QStringLiteral(" Bytes");
        report.totalText = QStringLiteral("από σύνολο ") + locale.toString(counters.expectedTotal) +
                           QStringLiteral(" Bytes");
    }
    if (counters.expectedTotal > 0)
        report.percent =
            qMin(100, qRound(double(counters.received) * 100.0 / double(counters.expectedTotal)));
    return report;
}
