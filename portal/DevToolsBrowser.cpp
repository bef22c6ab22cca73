#include "portal/DevToolsBrowser.h"
#include "portal/BrowserProgram.h"
#include "portal/PageSnapshot.h"

#include <QJsonArray>
#include <QRect>

using namespace BrowserAnswers;

namespace {
// The browser's start, and the opening of a browser context with its window.
const int kStartTimeoutMs = 30000;
const int kOpenTimeoutMs = 15000;
const QString kHint = QStringLiteral("Ελέγξτε τον φυλλομετρητή που ορίζει το settings.ini "
                                     "(ενότητα [Browser], Program=).");

QJsonObject rect(const QRect& bounds) {
    return {{QStringLiteral("left"), bounds.x()},
            {QStringLiteral("top"), bounds.y()},
            {QStringLiteral("width"), bounds.width()},
            {QStringLiteral("height"), bounds.height()}};
}

// The answer of a script, or the page's own failure as AppError.
QJsonValue scriptValue(const QJsonObject& result) {
    const QJsonObject failure = result.value(QStringLiteral("exceptionDetails")).toObject();
    if (!failure.isEmpty()) {
        const QString text = failure.value(QStringLiteral("exception"))
                                 .toObject()
                                 .value(QStringLiteral("description"))
                                 .toString(failure.value(QStringLiteral("text")).toString());
        throw AppError(QStringLiteral("Το σενάριο στη σελίδα απέτυχε: ") +
                       text.section(QLatin1Char('\n'), 0, 0));
    }
    return result.value(QStringLiteral("result")).toObject().value(QStringLiteral("value"));
}
} // namespace

struct DevToolsBrowser::Window : BrowserObject {
    QString target;
    QString session; // empty until the page is attached
    QString context;
    WindowHandle id = 0;
    bool open = true;
    QString url;
    int mainContext = 0; // the page's own scripts' context; 0 between two documents
    int unanswered = 0;  // a question the page has not answered yet
    int windowId = 0;
    bool hidden = false;
    QRect bounds;
};

DevToolsBrowser::DevToolsBrowser() {
    m_connection.setEventHandler(
        [this](const QString& method, const QJsonObject& params, const QString& session) {
            onEvent(method, params, session);
        });
}

DevToolsBrowser::~DevToolsBrowser() {
    shutDown();
}

void DevToolsBrowser::shutDown() {
    m_connection.stop();
    for (const auto& window : m_windows)
        window->open = false;
    m_windows.clear();
    m_contexts.clear();
    m_foreign.clear();
}

void DevToolsBrowser::ensureBrowser() {
    if (m_connection.isRunning())
        return;
    shutDown();
    const QString program = BrowserProgram::devToolsProgram();
    m_connection.start(program,
                       BrowserProgram::commonArguments(QStringLiteral("{folder}/profile")) +
                           QStringList{QStringLiteral("about:blank")},
                       kHint);
    try {
        m_connection.call(QStringLiteral("Target.setDiscoverTargets"),
                          {{QStringLiteral("discover"), true}}, QString(), kStartTimeoutMs);
        // Pages are held at their start until their session is ready for their dialogs.
        m_connection.call(
            QStringLiteral("Target.setAutoAttach"),
            {{QStringLiteral("autoAttach"), true},
             {QStringLiteral("waitForDebuggerOnStart"), true},
             {QStringLiteral("flatten"), true},
             {QStringLiteral("filter"),
              QJsonArray{QJsonObject{{QStringLiteral("type"), QStringLiteral("page")}}}}});
    } catch (const AppError& error) {
        m_connection.stop();
        throw AppError(QStringLiteral("Ο φυλλομετρητής %1 δεν ανταποκρίθηκε. ").arg(program) +
                       error.text());
    }
}

void DevToolsBrowser::onEvent(const QString& method, const QJsonObject& params,
                              const QString& session) {
    const QJsonObject info = params.value(QStringLiteral("targetInfo")).toObject();
    if (method == QLatin1String("Target.targetCreated") ||
        method == QLatin1String("Target.targetInfoChanged")) {
        if (const auto window = track(info))
            window->url = info.value(QStringLiteral("url")).toString();
    } else if (method == QLatin1String("Target.targetDestroyed")) {
        const QString target = params.value(QStringLiteral("targetId")).toString();
        m_foreign.removeAll(target);
        if (Window* window = byTarget(target))
            forget(*window);
    } else if (method == QLatin1String("Target.attachedToTarget")) {
        const QString attached = params.value(QStringLiteral("sessionId")).toString();
        if (const auto window = track(info)) {
            window->session = attached;
            m_connection.send(QStringLiteral("Page.enable"), {}, attached);
            m_connection.send(QStringLiteral("Runtime.enable"), {}, attached);
        }
        m_connection.send(QStringLiteral("Runtime.runIfWaitingForDebugger"), {}, attached);
    } else if (method == QLatin1String("Target.detachedFromTarget")) {
        if (Window* window = bySession(params.value(QStringLiteral("sessionId")).toString())) {
            window->session.clear();
            window->mainContext = 0;
        }
    } else if (method == QLatin1String("Page.javascriptDialogOpening")) {
        // An alert, a confirmation or a question of the page never waits for anyone.
        m_connection.send(QStringLiteral("Page.handleJavaScriptDialog"),
                          {{QStringLiteral("accept"), true}}, session);
    } else if (Window* window = bySession(session)) {
        if (method == QLatin1String("Runtime.executionContextCreated")) {
            const QJsonObject context = params.value(QStringLiteral("context")).toObject();
            const QJsonObject aux = context.value(QStringLiteral("auxData")).toObject();
            if (aux.value(QStringLiteral("isDefault")).toBool() &&
                aux.value(QStringLiteral("frameId")).toString() == window->target)
                window->mainContext = context.value(QStringLiteral("id")).toInt();
        } else if (method == QLatin1String("Runtime.executionContextDestroyed")) {
            if (params.value(QStringLiteral("executionContextId")).toInt() == window->mainContext)
                window->mainContext = 0;
        } else if (method == QLatin1String("Runtime.executionContextsCleared")) {
            window->mainContext = 0;
        }
    }
}

std::shared_ptr<DevToolsBrowser::Window> DevToolsBrowser::track(const QJsonObject& targetInfo) {
    if (targetInfo.value(QStringLiteral("type")).toString() != QLatin1String("page"))
        return nullptr;
    const QString target = targetInfo.value(QStringLiteral("targetId")).toString();
    for (const auto& window : m_windows)
        if (window->target == target)
            return window->open ? window : nullptr;
    const QString context = targetInfo.value(QStringLiteral("browserContextId")).toString();
    if (!m_contexts.contains(context)) {
        if (!m_foreign.contains(target))
            m_foreign.append(target);
        return nullptr;
    }
    auto window = std::make_shared<Window>();
    window->target = target;
    window->context = context;
    window->id = m_nextHandle++;
    window->url = targetInfo.value(QStringLiteral("url")).toString();
    m_windows.append(window);
    return window;
}

DevToolsBrowser::Window* DevToolsBrowser::byTarget(const QString& target) const {
    for (const auto& window : m_windows)
        if (window->target == target && window->open)
            return window.get();
    return nullptr;
}

DevToolsBrowser::Window* DevToolsBrowser::bySession(const QString& session) const {
    if (session.isEmpty())
        return nullptr;
    for (const auto& window : m_windows)
        if (window->session == session && window->open)
            return window.get();
    return nullptr;
}

DevToolsBrowser::Window& DevToolsBrowser::windowOf(const BrowserWindow& window) const {
    auto* found = dynamic_cast<Window*>(window.object.get());
    if (!found)
        throw AppError(QStringLiteral("Το παράθυρο του φυλλομετρητή δεν υπάρχει."));
    return *found;
}

DevToolsBrowser::Window* DevToolsBrowser::findOpen(WindowHandle handle) const {
    for (const auto& window : m_windows)
        if (window->id == handle && window->open)
            return window.get();
    return nullptr;
}

void DevToolsBrowser::forget(Window& window) {
    window.open = false;
    window.session.clear();
    window.mainContext = 0;
}

QString DevToolsBrowser::sessionOf(Window& window) {
    m_connection.waitUntil([&] { return !window.session.isEmpty() || !window.open; },
                           kOpenTimeoutMs);
    if (!window.open || window.session.isEmpty())
        throw windowGone();
    return window.session;
}

QList<BrowserWindow> DevToolsBrowser::ListBrowserWindows() {
    m_connection.poll();
    if (!m_connection.isRunning())
        for (const auto& window : m_windows)
            window->open = false;
    QList<BrowserWindow> open;
    for (const auto& window : m_windows)
        if (window->open)
            open.append({window});
    return open;
}

QString DevToolsBrowser::GetLocationUrl(const BrowserWindow& window) {
    Window& w = windowOf(window);
    m_connection.poll();
    return w.open && m_connection.isRunning() && !isBlank(w.url) ? w.url : QString();
}

WindowHandle DevToolsBrowser::GetWindowHandle(const BrowserWindow& window) {
    return windowOf(window).id;
}

BrowserWindow DevToolsBrowser::OpenBrowser() {
    ensureBrowser();
    std::shared_ptr<Window> window;
    try {
        const QString context =
            m_connection
                .call(QStringLiteral("Target.createBrowserContext"), {}, QString(), kOpenTimeoutMs)
                .value(QStringLiteral("browserContextId"))
                .toString();
        m_contexts.insert(context);
        const QString target = m_connection
                                   .call(QStringLiteral("Target.createTarget"),
                                         {{QStringLiteral("url"), QStringLiteral("about:blank")},
                                          {QStringLiteral("browserContextId"), context},
                                          {QStringLiteral("newWindow"), true}},
                                         QString(), kOpenTimeoutMs)
                                   .value(QStringLiteral("targetId"))
                                   .toString();
        window = track({{QStringLiteral("targetId"), target},
                        {QStringLiteral("type"), QStringLiteral("page")},
                        {QStringLiteral("browserContextId"), context}});
        // The window the browser started with gives way to the opened one.
        for (const QString& foreign : std::as_const(m_foreign))
            m_connection.send(QStringLiteral("Target.closeTarget"),
                              {{QStringLiteral("targetId"), foreign}});
        m_foreign.clear();
        if (!window)
            throw windowGone();
        sessionOf(*window);
    } catch (const AppError& error) {
        throw AppError(QStringLiteral("Δεν άνοιξε ο φυλλομετρητής. ") + error.text());
    }
    return {window};
}

void DevToolsBrowser::close(Window& window, bool wait) {
    bool others = false;
    for (const auto& candidate : m_windows)
        others = others || (candidate->open && candidate->context == window.context &&
                            candidate.get() != &window);
    const QString context = window.context;
    const QString method = others ? QStringLiteral("Target.closeTarget")
                                  : QStringLiteral("Target.disposeBrowserContext");
    const QJsonObject params = others ? QJsonObject{{QStringLiteral("targetId"), window.target}}
                                      : QJsonObject{{QStringLiteral("browserContextId"), context}};
    forget(window);
    if (!others) {
        m_contexts.remove(context);
        for (const auto& candidate : m_windows)
            if (candidate->context == context)
                candidate->open = false;
    }
    if (wait)
        m_connection.call(method, params);
    else
        m_connection.send(method, params);
}

void DevToolsBrowser::QuitBrowser(const BrowserWindow& window) {
    Window& w = windowOf(window);
    m_connection.poll();
    if (!w.open || !m_connection.isRunning())
        throw windowGone();
    close(w, true);
}

void DevToolsBrowser::RequestWindowClose(WindowHandle handle) {
    m_connection.poll();
    if (Window* window = findOpen(handle)) {
        try {
            close(*window, false);
        } catch (const DevToolsError&) {
            // A browser that has ended has closed its windows.
        }
    }
}

void DevToolsBrowser::placeWindow(Window& window, const QJsonObject& bounds) {
    if (!window.open)
        throw windowGone();
    if (window.windowId == 0)
        window.windowId = m_connection
                              .call(QStringLiteral("Browser.getWindowForTarget"),
                                    {{QStringLiteral("targetId"), window.target}})
                              .value(QStringLiteral("windowId"))
                              .toInt();
    m_connection.call(
        QStringLiteral("Browser.setWindowBounds"),
        {{QStringLiteral("windowId"), window.windowId}, {QStringLiteral("bounds"), bounds}});
}

void DevToolsBrowser::SetBrowserBounds(const BrowserWindow& window, int left, int top, int width,
                                       int height) {
    Window& w = windowOf(window);
    w.bounds = QRect(left, top, width, height);
    // A hidden window takes its place when it is shown; placing it would show it.
    if (!w.hidden)
        placeWindow(w, rect(w.bounds));
}

void DevToolsBrowser::SetBrowserVisible(const BrowserWindow& window, bool visible) {
    Window& w = windowOf(window);
    if (visible == !w.hidden)
        return;
    if (!visible) {
        try {
            placeWindow(w, {{QStringLiteral("windowState"), QStringLiteral("minimized")}});
        } catch (const DevToolsError&) {
            // A browser without a desktop has no minimised state; it stays as it is.
        }
        w.hidden = true;
        return;
    }
    placeWindow(w, {{QStringLiteral("windowState"), QStringLiteral("normal")}});
    if (w.bounds.isValid())
        placeWindow(w, rect(w.bounds));
    w.hidden = false;
}

void DevToolsBrowser::NavigateTo(const BrowserWindow& window, const QString& address) {
    Window& w = windowOf(window);
    // Loading starts; the browser reports the address when the page has come.
    m_connection.send(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), address}},
                      sessionOf(w));
}

void DevToolsBrowser::BringToFront(WindowHandle handle) {
    if (Window* window = findOpen(handle)) {
        try {
            m_connection.send(QStringLiteral("Target.activateTarget"),
                              {{QStringLiteral("targetId"), window->target}});
        } catch (const DevToolsError&) {
        }
    }
}

QJsonValue DevToolsBrowser::evaluate(Window& window, const QString& script, int timeoutMs) {
    return scriptValue(
        m_connection.call(QStringLiteral("Runtime.evaluate"),
                          {{QStringLiteral("expression"),
                            QStringLiteral("(function () {") + script + QStringLiteral("\n})()")},
                           {QStringLiteral("returnByValue"), true}},
                          sessionOf(window), timeoutMs));
}

PageDocument DevToolsBrowser::GetDocument(const BrowserWindow& window) {
    Window& w = windowOf(window);
    m_connection.poll();
    // A page still busy with an earlier question has nothing to show yet.
    if (!w.open || w.session.isEmpty() || m_connection.isUnanswered(w.unanswered))
        return {};
    QJsonObject answer;
    try {
        answer = parse(evaluate(w, PageSnapshots::readinessScript(), kQuestionTimeoutMs));
    } catch (const DevToolsError& error) {
        // A page between two documents, or one busy with a script of its own, has none for
        // the moment.
        if (error.kind == DevToolsError::Kind::NoAnswer)
            w.unanswered = error.id;
        return {};
    } catch (const AppError&) {
        return {};
    }
    if (answer.value(QStringLiteral("ready")).toString() == QLatin1String("loading") ||
        isBlank(answer.value(QStringLiteral("url")).toString()))
        return {};
    // Read when first used: a window pass only asks whether there is a document.
    return pendingDocument(window.object);
}

QJsonValue DevToolsBrowser::runPageScript(BrowserObject& window, const QString& script,
                                          const QJsonArray& args, int timeoutMs) {
    auto* w = dynamic_cast<Window*>(&window);
    if (!w || !w->open)
        throw windowGone();
    if (args.isEmpty())
        return evaluate(*w, script, timeoutMs);
    // The page between two documents no longer shows the one the element came from.
    static const QJsonValue changed = QStringLiteral("{\"status\":\"changed\"}");
    const QString session = sessionOf(*w);
    if (w->mainContext == 0)
        return changed;
    QJsonArray arguments;
    for (const QJsonValue& arg : args)
        arguments.append(QJsonObject{{QStringLiteral("value"), arg}});
    try {
        return scriptValue(
            m_connection.call(QStringLiteral("Runtime.callFunctionOn"),
                              {{QStringLiteral("functionDeclaration"),
                                QStringLiteral("function () {") + script + QStringLiteral("\n}")},
                               {QStringLiteral("executionContextId"), w->mainContext},
                               {QStringLiteral("arguments"), arguments},
                               {QStringLiteral("returnByValue"), true}},
                              session, timeoutMs));
    } catch (const DevToolsError& error) {
        // The document went while the script was on its way.
        if (error.kind == DevToolsError::Kind::Refused && w->open &&
            error.text().contains(QStringLiteral("context"), Qt::CaseInsensitive))
            return changed;
        throw;
    }
}

bool DevToolsBrowser::isOpen(const BrowserObject& window) const {
    const auto* w = dynamic_cast<const Window*>(&window);
    return w && w->open;
}

bool DevToolsBrowser::meansNoAnswer(const AppError& error) const {
    const auto* failure = dynamic_cast<const DevToolsError*>(&error);
    return failure && failure->kind == DevToolsError::Kind::NoAnswer;
}
