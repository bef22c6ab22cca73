#include "portal/WebDriverBrowser.h"
#include "common/Settings.h"
#include "portal/BrowserProgram.h"
#include "portal/WebDriverState.h"

#include <QDir>

using namespace WebDriverState;

namespace {
const int kSessionTimeoutMs = 60000;
const int kEndTimeoutMs = 10000;

QJsonObject capabilities(const QString& profileFolder) {
    const QJsonArray args =
        QJsonArray::fromStringList(BrowserProgram::commonArguments(profileFolder));
    const QJsonObject prefs{{QStringLiteral("credentials_enable_service"), false},
                            {QStringLiteral("profile.password_manager_enabled"), false}};
    const QJsonObject chrome{{QStringLiteral("binary"), BrowserPaths::chromium()},
                             {QStringLiteral("args"), args},
                             {QStringLiteral("prefs"), prefs}};
    const QJsonObject match{{QStringLiteral("browserName"), QStringLiteral("chrome")},
                            {QStringLiteral("pageLoadStrategy"), QStringLiteral("none")},
                            {QStringLiteral("unhandledPromptBehavior"), QStringLiteral("accept")},
                            {QStringLiteral("goog:chromeOptions"), chrome}};
    return {{QStringLiteral("capabilities"), QJsonObject{{QStringLiteral("alwaysMatch"), match}}}};
}

} // namespace

WebDriverBrowser::WebDriverBrowser() = default;

WebDriverBrowser::~WebDriverBrowser() {
    m_driver.stop();
}

void WebDriverBrowser::shutDown() {
    for (const auto& session : m_sessions)
        if (session->alive)
            endSession(*session);
    m_sessions.clear();
    m_driver.stop();
}

void WebDriverBrowser::ensureDriver() {
    if (m_driver.isRunning())
        return;
    for (const auto& session : m_sessions)
        endSession(*session);
    m_sessions.clear();
    m_driver.start();
    m_client.setPort(m_driver.port());
}

QString WebDriverBrowser::sessionPath(const Session& session, const QString& command) const {
    return QStringLiteral("/session/") + session.id + command;
}

WebDriverBrowser::Window& WebDriverBrowser::windowOf(const BrowserWindow& window) const {
    auto* found = dynamic_cast<Window*>(window.object.get());
    if (!found)
        throw AppError(QStringLiteral("Το παράθυρο του φυλλομετρητή δεν υπάρχει."));
    return *found;
}

WebDriverBrowser::Window* WebDriverBrowser::findOpen(WindowHandle handle) const {
    for (const auto& window : m_windows)
        if (window->id == handle && window->open)
            return window.get();
    return nullptr;
}

void WebDriverBrowser::forget(Window& window) {
    window.open = false;
    if (window.session->current == window.handle)
        window.session->current.clear();
}

void WebDriverBrowser::endSession(Session& session) {
    if (session.alive && m_driver.isRunning()) {
        try {
            m_client.remove(sessionPath(session, QString()), kEndTimeoutMs);
        } catch (const AppError&) {
        }
    }
    session.alive = false;
    session.profile.reset();
    for (const auto& window : m_windows)
        if (window->session.get() == &session)
            window->open = false;
}

bool WebDriverBrowser::switchTo(Window& window, bool force) {
    if (!window.open || !window.session->alive)
        return false;
    if (!force && window.session->current == window.handle)
        return true;
    try {
        m_client.post(sessionPath(*window.session, QStringLiteral("/window")),
                      QJsonObject{{QStringLiteral("handle"), window.handle}}, kQuestionTimeoutMs);
    } catch (const WebDriverError& error) {
        if (!meansWindowGone(error))
            throw;
        forget(window);
        return false;
    }
    window.session->current = window.handle;
    return true;
}

QJsonValue WebDriverBrowser::execute(Window& window, const QString& script, const QJsonArray& args,
                                     int timeoutMs) {
    if (!switchTo(window))
        throw windowGone();
    return m_client.post(
        sessionPath(*window.session, QStringLiteral("/execute/sync")),
        QJsonObject{{QStringLiteral("script"), script}, {QStringLiteral("args"), args}}, timeoutMs);
}

QList<BrowserWindow> WebDriverBrowser::ListBrowserWindows() {
    for (const auto& session : m_sessions) {
        if (!session->alive || session->isQuiet())
            continue;
        QJsonArray handles;
        try {
            handles = m_client
                          .get(sessionPath(*session, QStringLiteral("/window/handles")),
                               kQuestionTimeoutMs)
                          .toArray();
        } catch (const WebDriverError& error) {
            // A browser busy with a page keeps the windows it had; one that does not
            // answer at all was closed by the operator.
            if (meansNoAnswer(error) && m_driver.isRunning())
                session->hush();
            else
                endSession(*session);
            continue;
        }
        QStringList listed;
        for (const QJsonValue& handle : handles)
            listed.append(handle.toString());
        for (const auto& window : m_windows)
            if (window->session == session && window->open && !listed.contains(window->handle))
                forget(*window);
        for (const QString& handle : listed) {
            bool known = false;
            for (const auto& window : m_windows)
                known = known ||
                        (window->session == session && window->open && window->handle == handle);
            if (known)
                continue;
            auto window = std::make_shared<Window>();
            window->session = session;
            window->handle = handle;
            window->id = m_nextHandle++;
            m_windows.append(window);
        }
    }
    QList<BrowserWindow> open;
    for (const auto& window : m_windows)
        if (window->open)
            open.append({window});
    return open;
}

QString WebDriverBrowser::GetLocationUrl(const BrowserWindow& window) {
    Window& w = windowOf(window);
    if (w.session->isQuiet())
        return QString();
    try {
        if (!switchTo(w))
            return QString();
        const QString address =
            m_client.get(sessionPath(*w.session, QStringLiteral("/url")), kQuestionTimeoutMs)
                .toString();
        return isBlank(address) ? QString() : address;
    } catch (const WebDriverError& error) {
        if (meansWindowGone(error))
            forget(w);
        else if (meansNoAnswer(error))
            w.session->hush();
        else
            throw;
        return QString();
    }
}

WindowHandle WebDriverBrowser::GetWindowHandle(const BrowserWindow& window) {
    return windowOf(window).id;
}

void WebDriverBrowser::QuitBrowser(const BrowserWindow& window) {
    Window& w = windowOf(window);
    if (!w.open || !w.session->alive)
        throw windowGone();
    int others = 0;
    for (const auto& candidate : ListBrowserWindows())
        others += windowOf(candidate).session == w.session && &windowOf(candidate) != &w;
    if (!w.open)
        throw windowGone();
    if (others == 0) {
        endSession(*w.session);
        return;
    }
    if (!switchTo(w))
        throw windowGone();
    m_client.remove(sessionPath(*w.session, QStringLiteral("/window")));
    forget(w);
}

BrowserWindow WebDriverBrowser::OpenBrowser() {
    ensureDriver();
    auto session = std::make_shared<Session>();
    session->profile = std::make_unique<QTemporaryDir>(m_driver.profilesFolder() +
                                                       QStringLiteral("/profile-XXXXXX"));
    try {
        const QJsonObject created =
            m_client
                .post(QStringLiteral("/session"), capabilities(session->profile->path()),
                      kSessionTimeoutMs)
                .toObject();
        session->id = created.value(QStringLiteral("sessionId")).toString();
        session->current =
            m_client.get(sessionPath(*session, QStringLiteral("/window"))).toString();
        m_client.post(sessionPath(*session, QStringLiteral("/timeouts")),
                      QJsonObject{{QStringLiteral("script"), kScriptTimeoutMs}});
    } catch (const WebDriverError& error) {
        throw AppError(QStringLiteral("Δεν άνοιξε ο φυλλομετρητής Chromium. ") + error.text());
    }
    m_sessions.append(session);
    auto window = std::make_shared<Window>();
    window->session = session;
    window->handle = session->current;
    window->id = m_nextHandle++;
    m_windows.append(window);
    return {window};
}

void WebDriverBrowser::SetBrowserBounds(const BrowserWindow& window, int left, int top, int width,
                                        int height) {
    Window& w = windowOf(window);
    if (!switchTo(w))
        throw windowGone();
    w.bounds = QRect(left, top, width, height);
    // A hidden window takes its place when it is shown; placing it would show it.
    if (!w.hidden)
        m_client.post(sessionPath(*w.session, QStringLiteral("/window/rect")),
                      QJsonObject{{QStringLiteral("x"), left},
                                  {QStringLiteral("y"), top},
                                  {QStringLiteral("width"), width},
                                  {QStringLiteral("height"), height}});
}

void WebDriverBrowser::SetBrowserVisible(const BrowserWindow& window, bool visible) {
    Window& w = windowOf(window);
    if (!switchTo(w))
        throw windowGone();
    if (visible == !w.hidden)
        return;
    if (!visible) {
        try {
            m_client.post(sessionPath(*w.session, QStringLiteral("/window/minimize")),
                          QJsonObject());
        } catch (const WebDriverError&) {
            // A browser without a desktop has no minimised state; it stays as it is.
        }
        w.hidden = true;
        return;
    }
    QJsonObject rect;
    if (w.bounds.isValid())
        rect = {{QStringLiteral("x"), w.bounds.x()},
                {QStringLiteral("y"), w.bounds.y()},
                {QStringLiteral("width"), w.bounds.width()},
                {QStringLiteral("height"), w.bounds.height()}};
    m_client.post(sessionPath(*w.session, QStringLiteral("/window/rect")), rect);
    w.hidden = false;
}

void WebDriverBrowser::NavigateTo(const BrowserWindow& window, const QString& address) {
    Window& w = windowOf(window);
    if (!switchTo(w))
        throw windowGone();
    m_client.post(sessionPath(*w.session, QStringLiteral("/url")),
                  QJsonObject{{QStringLiteral("url"), address}});
}

void WebDriverBrowser::BringToFront(WindowHandle handle) {
    if (Window* window = findOpen(handle)) {
        try {
            switchTo(*window, true);
        } catch (const WebDriverError&) {
        }
    }
}

void WebDriverBrowser::RequestWindowClose(WindowHandle handle) {
    Window* window = findOpen(handle);
    if (!window)
        return;
    try {
        int others = 0;
        for (const auto& candidate : m_windows)
            others += candidate->open && candidate->session == window->session &&
                      candidate.get() != window;
        if (others == 0) {
            endSession(*window->session);
        } else if (switchTo(*window)) {
            m_client.remove(sessionPath(*window->session, QStringLiteral("/window")));
            forget(*window);
        }
    } catch (const WebDriverError&) {
    }
}
