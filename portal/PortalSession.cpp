#include "portal/PortalSession.h"
#include "common/Clock.h"

namespace {
const int kPageWaitSeconds = 10;
} // namespace

bool PortalSession::runExclusive(const std::function<void()>& command) {
    if (m_busy)
        return false;
    m_busy = true;
    m_stopRequested = false;
    struct Done {
        bool& busy;
        ~Done() { busy = false; }
    } done{m_busy};
    command();
    return true;
}

bool WindowPass::run(PortalSession& session, const Matcher& matches, int pauseMs,
                     qint64 deadlineMs) {
    PumpWait(pauseMs);
    BrowserOps& browser = browserOps();
    bool matched = false;
    for (const BrowserWindow& window : browser.ListBrowserWindows()) {
        if (deadlineMs >= 0 && appClock().nowMs() >= deadlineMs)
            break;
        if (!matched)
            session.SessionBrowser = window;
        const QString address = browser.GetLocationUrl(window);
        if (address.isEmpty())
            continue;
        const PageDocument document = browser.GetDocument(window);
        if (!document)
            continue;
        if (matches(window, address, document)) {
            session.SessionBrowser = window;
            matched = true;
        }
    }
    return matched;
}

qint64 WindowPass::elapsedSeconds(qint64 startMs) {
    return (appClock().nowMs() - startMs) / 1000;
}

qint64 WindowPass::deadlineOf(qint64 startMs, int seconds) {
    // Up to N whole seconds: while fewer than N + 1 seconds have passed.
    return startMs + (qint64(seconds) + 1) * 1000;
}

WindowHandle FindPortalWindow(PortalSession& session, const QString& address) {
    BrowserWindow found;
    WindowPass::run(session,
                    [&](const BrowserWindow& window, const QString& shown, const PageDocument&) {
                        if (!shown.contains(address))
                            return false;
                        found = window;
                        return true;
                    });
    return found ? browserOps().GetWindowHandle(found) : 0;
}

PageDocument WaitForPortalPage(PortalSession& session, const QString& address) {
    PageDocument found;
    const qint64 start = appClock().nowMs();
    const qint64 deadline = WindowPass::deadlineOf(start, kPageWaitSeconds);
    do {
        WindowPass::run(
            session,
            [&](const BrowserWindow&, const QString& shown, const PageDocument& document) {
                if (!shown.contains(address))
                    return false;
                found = document;
                return true;
            },
            WindowPass::kPauseMs, deadline);
    } while (!found && WindowPass::elapsedSeconds(start) <= kPageWaitSeconds);
    return found;
}

QSet<WindowHandle> OpenWindowHandles() {
    BrowserOps& browser = browserOps();
    QSet<WindowHandle> handles;
    for (const BrowserWindow& window : browser.ListBrowserWindows())
        handles.insert(browser.GetWindowHandle(window));
    return handles;
}

NewWindow WaitForNewWindow(PortalSession& session, const QSet<WindowHandle>& known,
                           const QStringList& addresses, int seconds) {
    BrowserOps& browser = browserOps();
    NewWindow found;
    const qint64 start = appClock().nowMs();
    const qint64 deadline = WindowPass::deadlineOf(start, seconds);
    do {
        WindowPass::run(
            session,
            [&](const BrowserWindow& window, const QString& shown, const PageDocument&) {
                const WindowHandle handle = browser.GetWindowHandle(window);
                if (known.contains(handle))
                    return false;
                for (const QString& address : addresses)
                    if (shown.contains(address)) {
                        found = {window, handle, shown};
                        return true;
                    }
                return false;
            },
            WindowPass::kNewWindowPauseMs, deadline);
    } while (!found && WindowPass::elapsedSeconds(start) <= seconds);
    return found;
}

bool WindowOpen(WindowHandle handle) {
    return OpenWindowHandles().contains(handle);
}

namespace {
PageElement elementNamed(const PageDocument& document, const QString& name) {
    BrowserOps& browser = browserOps();
    const ElementCollection all = browser.GetAllElements(document);
    const int count = browser.Count(all);
    for (int i = 0; i < count; ++i) {
        const PageElement element = browser.Item(all, i);
        if (element && browser.GetAttribute(element, QStringLiteral("Name")) == name)
            return element;
    }
    return {};
}
} // namespace

std::pair<PageElement, PageDocument> FindElementAndDocumentByName(const PageDocument& document,
                                                                  const QString& name) {
    QList<PageDocument> searched = browserOps().GetFrames(document);
    if (searched.size() < 2)
        searched = {document};
    for (const PageDocument& each : searched) {
        if (!each)
            continue;
        if (const PageElement element = elementNamed(each, name))
            return {element, each};
    }
    return {};
}

PageElement FindElementByName(const PageDocument& document, const QString& name) {
    return FindElementAndDocumentByName(document, name).first;
}
