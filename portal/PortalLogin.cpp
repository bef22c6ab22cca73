#include "portal/PortalLogin.h"
#include "common/Clock.h"
#include "common/Messages.h"
#include "portal/PortalAddresses.h"
#include "portal/PortalTexts.h"

namespace {
const int kLoginPhaseSeconds = 20;
const int kWindowOffsetLeft = 100;
const int kWindowOffsetTop = 110;
const int kWindowWidth = 750;
const int kWindowHeight = 500;
const int kAfterNavigateMs = 3000;
const int kAfterLoginMs = 2000;

bool showsTarget(const QString& address, const QString& primary, const QString& secondary) {
    return address.contains(primary) || (!secondary.isEmpty() && address.contains(secondary));
}

bool hasPasswordField(const PageDocument& document) {
    BrowserOps& browser = browserOps();
    const ElementCollection all = browser.GetAllElements(document);
    const int count = browser.Count(all);
    for (int i = 0; i < count; ++i) {
        const PageElement element = browser.Item(all, i);
        if (element && browser.GetId(element) == QLatin1String("password"))
            return true;
    }
    return false;
}

// Fills the sign-on form and clicks its login button; false when the user name or the
// password field or the button is missing (nothing is clicked then).
bool fillSignOnForm(const PageDocument& document, const QString& userName,
                    const QString& password) {
    BrowserOps& browser = browserOps();
    bool userNameSet = false;
    bool passwordSet = false;
    PageElement loginButton;
    const ElementCollection all = browser.GetAllElements(document);
    const int count = browser.Count(all);
    for (int i = 0; i < count; ++i) {
        const PageElement element = browser.Item(all, i);
        if (!element)
            continue;
        const QString id = browser.GetId(element);
        if (id == QLatin1String("username")) {
            browser.SetInputValue(element, userName);
            userNameSet = true;
        }
        if (id == QLatin1String("password")) {
            browser.SetInputValue(element, password);
            passwordSet = true;
        }
        const QString type = browser.GetAttribute(element, QStringLiteral("Type"));
        if ((type == QLatin1String("SUBMIT") || type == QLatin1String("submit")) &&
            browser.GetAttribute(element, QStringLiteral("name")) == QLatin1String("btn_login"))
            loginButton = element;
    }
    if (!userNameSet || !passwordSet || !loginButton)
        return false;
    browser.Click(loginButton);
    return true;
}

// The document of SessionBrowser; none when there is no such window or it has no document.
PageDocument sessionDocument(const PortalSession& session) {
    return session.SessionBrowser ? browserOps().GetDocument(session.SessionBrowser)
                                  : PageDocument{};
}

// Clicks the first "button1" of the page; a page that shows the year choice in a frame
// has the button beside it in that frame.
void clickFirstButton1(const PageDocument& document, const PageDocument& yearShownIn) {
    BrowserOps& browser = browserOps();
    for (const PageDocument& searched : {document, yearShownIn}) {
        const ElementCollection all = browser.GetAllElements(searched);
        const int count = browser.Count(all);
        for (int i = 0; i < count; ++i) {
            const PageElement element = browser.Item(all, i);
            if (element &&
                browser.GetAttribute(element, QStringLiteral("name")) == QLatin1String("button1")) {
                browser.Click(element);
                return;
            }
        }
    }
}
} // namespace

bool LoginToPortal(PortalSession& session, const QString& userName, const QString& password,
                   const QString& primaryTarget, const QString& secondaryTarget) {
    const QString signOn = PortalAddresses::signOnBase();
    bool formFound = false;
    bool targetReached = false;
    qint64 start = appClock().nowMs();
    do {
        WindowPass::run(session, [&](const BrowserWindow&, const QString& address,
                                     const PageDocument& document) {
            if (!address.contains(signOn)) {
                if (!showsTarget(address, primaryTarget, secondaryTarget))
                    return false;
                targetReached = true;
                return true;
            }
            if (!hasPasswordField(document))
                return false;
            formFound = true;
            return true;
        });
    } while (!formFound && !targetReached &&
             WindowPass::elapsedSeconds(start) <= kLoginPhaseSeconds);

    if (!formFound)
        return targetReached;
    const PageDocument form = sessionDocument(session);
    if (!form || !fillSignOnForm(form, userName, password))
        return targetReached;

    targetReached = false;
    start = appClock().nowMs();
    do {
        WindowPass::run(session,
                        [&](const BrowserWindow&, const QString& address, const PageDocument&) {
                            if (!showsTarget(address, primaryTarget, secondaryTarget))
                                return false;
                            targetReached = true;
                            return true;
                        });
    } while (!targetReached && WindowPass::elapsedSeconds(start) <= kLoginPhaseSeconds);
    return targetReached;
}

void sbConnectAADEClick(PortalSession& session, const ConnectInputs& inputs,
                        const std::function<void()>& clearStagingGrid) {
    if (inputs.userName.isEmpty() || inputs.password.isEmpty()) {
        showMessage(PortalTexts::kNoCredentials);
        return;
    }
    if (clearStagingGrid)
        clearStagingGrid();

    BrowserOps& browser = browserOps();
    // The last connect's window stays open; only the session's window is closed.
    session.OwnBrowser = {};
    if (session.SessionBrowser) {
        try {
            browser.QuitBrowser(session.SessionBrowser);
        } catch (...) {
        }
        session.SessionBrowser = {};
    }

    session.OwnBrowser = browser.OpenBrowser();
    browser.SetBrowserVisible(session.OwnBrowser, false);
    browser.SetBrowserBounds(session.OwnBrowser, inputs.webPanelOrigin.x() + kWindowOffsetLeft,
                             inputs.webPanelOrigin.y() + kWindowOffsetTop, kWindowWidth,
                             kWindowHeight);
    browser.SetBrowserVisible(session.OwnBrowser, true);
    browser.BringToFront(browser.GetWindowHandle(session.OwnBrowser));

    const QString console = PortalAddresses::consolePage();
    browser.SetBrowserVisible(session.OwnBrowser, true);
    browser.NavigateTo(session.OwnBrowser, console);
    browser.SetBrowserVisible(session.OwnBrowser, true);
    PumpWait(kAfterNavigateMs);

    if (LoginToPortal(session, inputs.userName, inputs.password, console,
                      PortalAddresses::kAgentTaxpayerListPage)) {
        browser.BringToFront(browser.GetWindowHandle(session.SessionBrowser));
        PumpWait(kAfterLoginMs);
    }

    const PageDocument document = sessionDocument(session);
    const PageElement body = document ? browser.GetBody(document) : PageElement{};
    const QString bodyHtml = body ? browser.GetInnerHtml(body) : QString();
    if (bodyHtml.contains(PortalAddresses::kActorRolesPage) && inputs.loginWithEkpr) {
        showMessage(PortalTexts::kChooseRole);
        return;
    }
    const auto [yearShow, yearShownIn] =
        document ? FindElementAndDocumentByName(document, QStringLiteral("yearShow"))
                 : std::pair<PageElement, PageDocument>{};
    if (yearShow)
        clickFirstButton1(document, yearShownIn);
    else
        showMessage(PortalTexts::kChooseRole);
}
