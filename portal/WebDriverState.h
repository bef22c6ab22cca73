#pragma once
// The WebDriver browser's own state, shared by its two source files: a session per
// opened browser and its windows.

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

struct WebDriverBrowser::Window : BrowserObject {
    std::shared_ptr<Session> session;
    QString handle;
    WindowHandle id = 0;
    bool open = true;
    bool hidden = false;
    QRect bounds;
};

namespace WebDriverState {
using namespace BrowserAnswers;

inline bool meansNoAnswer(const WebDriverError& error) {
    return error.error == QLatin1String("no answer") ||
           error.error == QLatin1String("script timeout") ||
           error.error == QLatin1String("timeout");
}

inline bool meansWindowGone(const WebDriverError& error) {
    return error.error == QLatin1String("no such window") ||
           error.error == QLatin1String("invalid session id");
}

} // namespace WebDriverState
