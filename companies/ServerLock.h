#pragma once
// The in-use lock of a company on a server: a session advisory lock on the store's own
// connection. The server lets it go when the connection ends, so a workstation that
// crashes or loses the network leaves no company locked behind it.

#include <QString>

namespace ServerLock {
enum class Holder { Nobody, This, Other };

Holder holder(const QString& afm);
// True when this connection now holds the lock (taken now or before).
bool take(const QString& afm);
// Lets the lock go when this connection holds it.
void release(const QString& afm);
} // namespace ServerLock
