#include "portal/PortalSession.h"
#include "common/Clock.h"

namespace {
const int kPageWaitSeconds = 10;
} // namespace

bool WindowPass::run(PortalSession& session, const Matcher& matches) {
    PumpWait(kPauseMs);
    BrowserOps& browser = browserOps();
    bool matched = false;
    for (const BrowserWindow& window : browser.ListBrowserWindows()) {
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
    do {
        WindowPass::run(
            session, [&](const BrowserWindow&, const QString& shown, const PageDocument& document) {
                if (!shown.contains(address))
                    return false;
                found = document;
                return true;
            });
    } while (!found && WindowPass::elapsedSeconds(start) <= kPageWaitSeconds);
    return found;
}

PageElement FindElementByName(const PageDocument& document, const QString& name) {
    BrowserOps& browser = browserOps();
    QList<PageDocument> searched = browser.GetFrames(document);
    if (searched.size() < 2)
        searched = {document};
    for (const PageDocument& each : searched) {
        if (!each)
            continue;
        const ElementCollection all = browser.GetAllElements(each);
        const int count = browser.Count(all);
        for (int i = 0; i < count; ++i) {
            const PageElement element = browser.Item(all, i);
            if (element && browser.GetAttribute(element, QStringLiteral("Name")) == name)
                return element;
        }
    }
    return {};
}
