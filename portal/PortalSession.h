#pragma once
// The portal session and its helpers. The workspace holds one PortalSession while it is
// open: the browser window that its last connect command opened (OwnBrowser) and the
// window of the page in hand (SessionBrowser). Being signed in is never stored: every
// helper looks for its page again among the open browser windows, through the browser
// provider in use (browserOps()).
//
// A window pass lets queued window messages run, lists the windows afresh and visits
// every one that shows an address and has a document. SessionBrowser follows the visit
// until a window matches, and then stays on the last window that matched.

#include "portal/BrowserOps.h"

#include <QSet>
#include <QString>
#include <functional>

struct PortalSession {
    BrowserWindow OwnBrowser;
    BrowserWindow SessionBrowser;

    // Whether a portal command (connect, data check, import, refresh, platform action) is
    // running. Its waits let the operator's input run, so a second command could start in
    // the middle of the first; runExclusive refuses it.
    bool busy() const { return m_busy; }
    // Runs the command unless another one is running; false when it was refused.
    bool runExclusive(const std::function<void()>& command);
    // Asks the running command to stop after the declaration in hand (the workspace or the
    // application is being closed); cleared when the next command starts.
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }

private:
    bool m_busy = false;
    bool m_stopRequested = false;
};

// The handle of the last window whose address contains the text; 0 when none does.
WindowHandle FindPortalWindow(PortalSession& session, const QString& address);
// Window passes for up to 10 seconds until a window's address contains the text; gives
// that window's document (SessionBrowser becomes the window), or none.
PageDocument WaitForPortalPage(PortalSession& session, const QString& address);
// The handles of the browser windows open now.
QSet<WindowHandle> OpenWindowHandles();

// A window that appeared after a form was submitted.
struct NewWindow {
    BrowserWindow window;
    WindowHandle handle = 0;
    // Its address when it was found.
    QString address;
    explicit operator bool() const { return handle != 0; }
};
// Window passes for up to the seconds until a window that is not among the known ones
// shows an address that contains one of the texts; SessionBrowser becomes that window.
// Windows that were open before are never taken, whatever they show.
NewWindow WaitForNewWindow(PortalSession& session, const QSet<WindowHandle>& known,
                           const QStringList& addresses, int seconds);
// Whether the window with the handle is still open.
bool WindowOpen(WindowHandle handle);

// The first element whose attribute "name" equals the name exactly. A document with
// two frames or more is searched frame by frame; otherwise the document itself.
PageElement FindElementByName(const PageDocument& document, const QString& name);
// The same, also giving the document (the page's own or a frame's) the element is in.
std::pair<PageElement, PageDocument> FindElementAndDocumentByName(const PageDocument& document,
                                                                  const QString& name);

namespace WindowPass {
// The pause of every pass, during which queued window messages run.
inline constexpr int kPauseMs = 100;
// The shorter pause of the waits for a window that a submitted form opens, which comes
// within a fraction of a second.
inline constexpr int kNewWindowPauseMs = 20;
// Whether a window that takes part in the pass matches.
using Matcher =
    std::function<bool(const BrowserWindow& window, const QString& address, const PageDocument&)>;
// One pass; true when a window matched. A pass given a deadline on the application's
// clock visits no window once the deadline has passed, so that slow windows cannot carry
// a wait past its limit.
bool run(PortalSession& session, const Matcher& matches, int pauseMs = kPauseMs,
         qint64 deadlineMs = -1);
// The clock's time at which a wait of up to the seconds, started at startMs, is over.
qint64 deadlineOf(qint64 startMs, int seconds);
// Whole seconds (truncated) from startMs to now on the application's clock.
qint64 elapsedSeconds(qint64 startMs);
} // namespace WindowPass
