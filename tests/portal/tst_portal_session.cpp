// The session helpers on the scripted browser with the simulated clock: window passes,
// waiting for a page, finding an element by name across frames, and signing in.

#include "portal/PortalAddresses.h"
#include "portal/PortalLogin.h"
#include "tests/portal/ScriptedPortal.h"
#include "tests/portal/StaticPages.h"
#include "tests/support/TestMain.h"

namespace {
// The scripted browser over fixed pages, with the clock and the provider installed.
struct StaticPortal {
    StaticPortal() : browser(pages) {
        setClock(&clock);
        setBrowserOps(&browser);
    }
    ~StaticPortal() {
        setBrowserOps(nullptr);
        setClock(nullptr);
    }
    BrowserWindow show(const QString& address, const QString& html) {
        pages.pages.insert(address, html);
        const BrowserWindow window = browser.OpenBrowser();
        browser.NavigateTo(window, address);
        clock.advance(1000);
        browser.ListBrowserWindows();
        return window;
    }

    TestFolder folder;
    SimulatedClock clock;
    StaticPages pages;
    ScriptedBrowser browser;
    PortalSession session;
};

const QString kNamed = QStringLiteral("<body><select name=\"yearShow\"></select></body>");
} // namespace

class TestPortalSession : public QObject {
    Q_OBJECT
private slots:
    void findPortalWindowTakesTheLastMatch() {
        StaticPortal portal;
        QCOMPARE(FindPortalWindow(portal.session, QStringLiteral("x.htm")), WindowHandle(0));
        QVERIFY(!portal.session.SessionBrowser);
        const BrowserWindow first = portal.show(QStringLiteral("https://a.gr/x.htm?1"), kNamed);
        const BrowserWindow second = portal.show(QStringLiteral("https://a.gr/x.htm?2"), kNamed);
        const BrowserWindow other = portal.show(QStringLiteral("https://a.gr/y.htm"), kNamed);
        const BrowserWindow blank = portal.browser.OpenBrowser();
        QCOMPARE(FindPortalWindow(portal.session, QStringLiteral("x.htm")),
                 portal.browser.GetWindowHandle(second));
        QVERIFY(portal.session.SessionBrowser == second);
        // Without a match the session is left on the last window visited.
        QCOMPARE(FindPortalWindow(portal.session, QStringLiteral("z.htm")), WindowHandle(0));
        QVERIFY(portal.session.SessionBrowser == blank);
        QCOMPARE(FindPortalWindow(portal.session, QStringLiteral("y.htm")),
                 portal.browser.GetWindowHandle(other));
        Q_UNUSED(first);
    }

    void waitForPortalPageTakesTheLaterOfTwoWindows() {
        ScriptedPortal portal;
        const QString page = PortalAddresses::submissionDetailsPage();
        portal.signedInWindow(page);
        const BrowserWindow later = portal.signedInWindow(page);
        const PageDocument document = WaitForPortalPage(portal.session, page);
        QVERIFY(document);
        QVERIFY(portal.session.SessionBrowser == later);
    }

    void waitForPortalPageWaitsTenWholeSeconds() {
        StaticPortal portal;
        portal.show(QStringLiteral("https://a.gr/other.htm"), kNamed);
        const qint64 start = portal.clock.nowMs();
        QVERIFY(!WaitForPortalPage(portal.session, QStringLiteral("wanted.htm")));
        // Passes go on while at most 10 whole seconds have passed.
        QCOMPARE(portal.clock.nowMs() - start, 11000);

        // A page that turns up meanwhile is found.
        portal.pages.pages.insert(QStringLiteral("https://a.gr/wanted.htm"), kNamed);
        const BrowserWindow window = portal.browser.OpenBrowser();
        portal.clock.setOnWait([&](qint64 now) {
            if (now - start == 14000)
                portal.browser.NavigateTo(window, QStringLiteral("https://a.gr/wanted.htm"));
        });
        QVERIFY(WaitForPortalPage(portal.session, QStringLiteral("wanted.htm")));
        QCOMPARE(portal.clock.nowMs() - start, 14200);
        QVERIFY(portal.session.SessionBrowser == window);
        portal.clock.setOnWait({});
    }

    void findElementByNameSearchesFramesOnlyWhenThereAreTwo() {
        StaticPortal portal;
        portal.pages.pages.insert(QStringLiteral("https://a.gr/named.htm"), kNamed);
        portal.pages.pages.insert(QStringLiteral("https://a.gr/plain.htm"),
                                  QStringLiteral("<body><p>x</p></body>"));
        BrowserOps& b = portal.browser;

        const BrowserWindow one = portal.show(
            QStringLiteral("https://a.gr/one.htm"),
            QStringLiteral(
                "<body><p NAME=\"yearShow\">top</p><iframe src=\"/named.htm\"></iframe></body>"));
        const PageElement found = FindElementByName(b.GetDocument(one), QStringLiteral("yearShow"));
        QCOMPARE(b.GetOuterText(found), QStringLiteral("top"));

        const BrowserWindow onlyInFrame =
            portal.show(QStringLiteral("https://a.gr/frame.htm"),
                        QStringLiteral("<frameset><frame src=\"/named.htm\"></frameset>"));
        QVERIFY(!FindElementByName(b.GetDocument(onlyInFrame), QStringLiteral("yearShow")));

        const BrowserWindow two = portal.show(
            QStringLiteral("https://a.gr/two.htm"),
            QStringLiteral(
                "<frameset><frame src=\"/plain.htm\"><frame src=\"/named.htm\"></frameset>"));
        QVERIFY(FindElementByName(b.GetDocument(two), QStringLiteral("yearShow")));
        QVERIFY(!FindElementByName(b.GetDocument(two), QStringLiteral("YEARSHOW")));

        const BrowserWindow topOfTwo = portal.show(
            QStringLiteral("https://a.gr/top.htm"),
            QStringLiteral("<body><p name=\"yearShow\"></p><iframe src=\"/plain.htm\"></iframe>"
                           "<iframe src=\"/plain.htm\"></iframe></body>"));
        QVERIFY(!FindElementByName(b.GetDocument(topOfTwo), QStringLiteral("yearShow")));
    }

    void alreadySignedInIsTrueOnTheFirstPassWithoutTouchingAForm() {
        ScriptedPortal portal;
        const BrowserWindow console = portal.signedInWindow(PortalAddresses::consolePage());
        const int writes = int(portal.browser.writes().size());
        const qint64 start = portal.clock.nowMs();
        QVERIFY(LoginToPortal(portal.session, QStringLiteral("owner"), QStringLiteral("secret"),
                              PortalAddresses::consolePage(),
                              PortalAddresses::kAgentTaxpayerListPage));
        QCOMPARE(portal.clock.nowMs() - start, 100);
        QCOMPARE(portal.browser.writes().size(), writes);
        QVERIFY(portal.session.SessionBrowser == console);
    }

    void theSecondaryTargetIsEnough() {
        StaticPortal portal;
        portal.show(QStringLiteral("https://www1.aade.gr/sgsisapps/displayAgentTaxpayerList.htm"),
                    kNamed);
        QVERIFY(LoginToPortal(portal.session, QStringLiteral("u"), QStringLiteral("p"),
                              PortalAddresses::consolePage(),
                              PortalAddresses::kAgentTaxpayerListPage));
        QVERIFY(!LoginToPortal(portal.session, QStringLiteral("u"), QStringLiteral("p"),
                               PortalAddresses::consolePage(), QString()));
    }

    void signingInFillsTheFormAndWaitsForTheTarget() {
        ScriptedPortal portal;
        const BrowserWindow window = portal.browser.OpenBrowser();
        portal.browser.NavigateTo(window, PortalAddresses::consolePage());
        QVERIFY(LoginToPortal(portal.session, QStringLiteral("owner"), QStringLiteral("secret"),
                              PortalAddresses::consolePage(),
                              PortalAddresses::kAgentTaxpayerListPage));
        QCOMPARE(portal.browser.GetLocationUrl(window), PortalAddresses::consolePage());
        QVERIFY(portal.session.SessionBrowser == window);
        QCOMPARE(portal.browser.writes(),
                 QStringList({QStringLiteral("SetInputValue username"),
                              QStringLiteral("SetInputValue password"), QStringLiteral("Click")}));
    }

    void aLoginButtonThatIsNotBtnLoginIsNotClicked() {
        StaticPortal portal;
        portal.show(
            QStringLiteral("https://login.gsis.gr/oauth2server/login.jsp"),
            QStringLiteral("<body><form action=\"/x\" method=\"post\"><input id=\"username\">"
                           "<input id=\"password\" type=\"password\">"
                           "<input type=\"submit\" name=\"login\" value=\"Είσοδος\">"
                           "<input type=\"Submit\" name=\"btn_login\"></form></body>"));
        const qint64 start = portal.clock.nowMs();
        QVERIFY(!LoginToPortal(portal.session, QStringLiteral("u"), QStringLiteral("p"),
                               PortalAddresses::consolePage(), QString()));
        QCOMPARE(portal.browser.writes(), QStringList({QStringLiteral("SetInputValue username"),
                                                       QStringLiteral("SetInputValue password")}));
        QCOMPARE(portal.clock.nowMs() - start, 100);
    }

    void wrongCredentialsWaitTwentySecondsAfterTheClick() {
        ScriptedPortal portal;
        const BrowserWindow window = portal.browser.OpenBrowser();
        portal.browser.NavigateTo(window, PortalAddresses::consolePage());
        const qint64 start = portal.clock.nowMs();
        QVERIFY(!LoginToPortal(portal.session, QStringLiteral("owner"), QStringLiteral("wrong"),
                               PortalAddresses::consolePage(),
                               PortalAddresses::kAgentTaxpayerListPage));
        // Phase 1 finds the form on its second pass (the page loads in 200 ms), phase 2
        // gives up once 21 seconds have passed.
        QCOMPARE(portal.clock.nowMs() - start, 200 + 21000);
        QVERIFY(portal.browser.GetLocationUrl(window).startsWith(PortalAddresses::signOnBase()));
    }

    void noSignOnPageAndNoTargetGivesUpAfterTwentySeconds() {
        StaticPortal portal;
        portal.show(QStringLiteral("https://a.gr/elsewhere.htm"), kNamed);
        const qint64 start = portal.clock.nowMs();
        QVERIFY(!LoginToPortal(portal.session, QStringLiteral("u"), QStringLiteral("p"),
                               PortalAddresses::consolePage(), QString()));
        QCOMPARE(portal.clock.nowMs() - start, 21000);
        QVERIFY(portal.browser.writes().isEmpty());
    }
};

LETHORA_TEST_MAIN(TestPortalSession)
#include "tst_portal_session.moc"
