#pragma once
// The WebDriver browser's own state, shared by its two source files: a session per
// opened browser, its windows, and documents still to be read.

#include "portal/WebDriverBrowser.h"
#include "portal/WebDriverClient.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QTemporaryDir>

struct WebDriverBrowser::Session {
    QString id;
    std::unique_ptr<QTemporaryDir> profile;
    QString current; // the window the session's commands act on
    bool alive = true;
    // The driver answers a session's commands one at a time: once a question went
    // unanswered (a page busy with a script), the questions after it would wait behind it,
    // so for a while the session's windows count as showing nothing yet.
    QDeadlineTimer quiet;
    bool isQuiet() const { return !quiet.hasExpired(); }
    void hush() { quiet.setRemainingTime(kQuietMs); }
    static constexpr int kQuietMs = 1000;
};

// A document that is read when it is first used.
struct WebDriverBrowser::PendingDocument : DomDocument {
    explicit PendingDocument(std::shared_ptr<BrowserObject> shownBy)
        : DomDocument(nullptr, -1), window(std::move(shownBy)) {}
    std::weak_ptr<BrowserObject> window;
};

struct WebDriverBrowser::Window : BrowserObject {
    std::shared_ptr<Session> session;
    QString handle;
    WindowHandle id = 0;
    bool open = true;
    bool hidden = false;
    QRect bounds;
};

namespace WebDriverState {
inline AppError windowGone() {
    return AppError(QStringLiteral("Το παράθυρο του φυλλομετρητή έχει κλείσει."));
}

// A fresh window shows no address of its own.
inline bool isBlank(const QString& address) {
    return address.isEmpty() || address == QLatin1String("about:blank") ||
           address == QLatin1String("data:,");
}

// The time limits of the driver's commands. A window pass asks each window for its
// address and whether it has a document; a window whose page is busy (a script that
// loops, a page that never finishes loading) must not hold a wait past its limit, so
// those questions wait one second at most and a question without an answer counts as
// "nothing yet". Reading a page and acting on it may take longer.
inline constexpr int kQuestionTimeoutMs = 1000;
inline constexpr int kReadTimeoutMs = 15000;
inline constexpr int kWriteTimeoutMs = 10000;
// The longest a page script may run in the browser before the driver gives up on it.
inline constexpr int kScriptTimeoutMs = 10000;

inline bool meansNoAnswer(const WebDriverError& error) {
    return error.error == QLatin1String("no answer") ||
           error.error == QLatin1String("script timeout") ||
           error.error == QLatin1String("timeout");
}

inline bool meansWindowGone(const WebDriverError& error) {
    return error.error == QLatin1String("no such window") ||
           error.error == QLatin1String("invalid session id");
}

// The JSON text that the page scripts answer.
inline QJsonObject parseAnswer(const QJsonValue& value) {
    return QJsonDocument::fromJson(value.toString().toUtf8()).object();
}
} // namespace WebDriverState
