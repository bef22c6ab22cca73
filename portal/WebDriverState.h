#pragma once
// The WebDriver browser's own state, shared by its two source files: a session per
// opened browser, its windows, and documents still to be read.

#include "portal/WebDriverBrowser.h"
#include "portal/WebDriverClient.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QTemporaryDir>

struct WebDriverBrowser::Session {
    QString id;
    std::unique_ptr<QTemporaryDir> profile;
    QString current; // the window the session's commands act on
    bool alive = true;
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

inline bool meansWindowGone(const WebDriverError& error) {
    return error.error == QLatin1String("no such window") ||
           error.error == QLatin1String("invalid session id");
}

// The JSON text that the page scripts answer.
inline QJsonObject parseAnswer(const QJsonValue& value) {
    return QJsonDocument::fromJson(value.toString().toUtf8()).object();
}
} // namespace WebDriverState
