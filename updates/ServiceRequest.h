#pragma once
// GET requests to the maker's update services. Each waits in a local event loop, so
// the windows stay responsive, for at most the time-out without any data arriving
// (connecting included). The transfer's bytes feed the process's transfer counters and
// every progress display is brought up to date when it ends.

#include <QByteArray>
#include <QString>

namespace ServiceRequest {
inline constexpr int kDefaultTimeoutMs = 5000;

// The body of the answer; throws UpdateFailure when the request fails or times out.
QByteArray get(const QString& address);

// The connect and read time-out in force (5000 ms unless a test set another).
int timeoutMs();
void setTimeoutMs(int ms);
} // namespace ServiceRequest
