#pragma once
// The byte counters behind the progress display, kept for the life of the process,
// and the texts and percentage they give.

#include <QString>
#include <QtGlobal>
#include <optional>

struct TransferCounters {
    qint64 expectedTotal = 0; // the sum of the sizes in the file list
    qint64 received = 0;      // all finished transfers
    qint64 inProgress = 0;    // the transfer under way

    // Adds the transfer under way to the received bytes.
    void endTransfer();
};

// The counters of this process.
TransferCounters& transferCounters();

struct ProgressReport {
    QString receivedText; // panel 0 of the status bars
    QString totalText;    // panel 1
    // For the progress bars, 0 to 100; none while the expected total is unknown.
    std::optional<int> percent;
};

// Empty texts once more has arrived than expected; else "Παραλήφθησαν 1.234 Bytes" and
// "από σύνολο 5.678 Bytes" with the locale's thousands separators.
ProgressReport progressReport(const TransferCounters& counters);
