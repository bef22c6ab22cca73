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

#include <QString>
#include <functional>

struct PortalSession {
    BrowserWindow OwnBrowser;
    BrowserWindow SessionBrowser;
};

// The handle of the last window whose address contains the text; 0 when none does.
WindowHandle FindPortalWindow(PortalSession& session, const QString& address);
// Window passes for up to 10 seconds until a window's address contains the text; gives
// that window's document (SessionBrowser becomes the window), or none.
PageDocument WaitForPortalPage(PortalSession& session, const QString& address);
// The first element whose attribute "name" equals the name exactly. A document with
// two frames or more is searched frame by frame; otherwise the document itself.
PageElement FindElementByName(const PageDocument& document, const QString& name);

namespace WindowPass {
// The pause of every pass, during which queued window messages run.
inline constexpr int kPauseMs = 100;
// Whether a window that takes part in the pass matches.
using Matcher =
    std::function<bool(const BrowserWindow& window, const QString& address, const PageDocument&)>;
// One pass; true when a window matched.
bool run(PortalSession& session, const Matcher& matches);
// Whole seconds (truncated) from startMs to now on the application's clock.
qint64 elapsedSeconds(qint64 startMs);
} // namespace WindowPass
