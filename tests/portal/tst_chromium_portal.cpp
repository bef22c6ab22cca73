// The portal link from end to end with the real headless Chromium and the fake
// platform over HTTP: the connect command, a second connect, viewing a declaration in a
// new window, amending and terminating in the same window, windows the operator opens,
// and the message when the browser is missing.

#include "portal/PortalActions.h"
#include "portal/PortalLogin.h"
#include "tests/portal/ChromiumPortal.h"
#include "tests/support/TestMain.h"

namespace {
const QString kFinal = QStringLiteral("Οριστικοποιημένο");

ConnectInputs owner() {
    return {QStringLiteral("owner"), QStringLiteral("secret"), false, QPoint(0, 0)};
}
} // namespace

class TestChromiumPortal : public QObject {
    Q_OBJECT

    std::unique_ptr<ChromiumPortal> portal;
    BrowserWindow firstSession;

private slots:
    void initTestCase() { portal = std::make_unique<ChromiumPortal>(); }
    void cleanupTestCase() { portal.reset(); }

    void connectSignsInAndGoesFromTheConsoleToTheList() {
        sbConnectAADEClick(portal->session, owner(), {});
        QVERIFY2(portal->messages.shown.isEmpty(),
                 qPrintable(portal->messages.shown.join(QLatin1Char('|'))));
        QVERIFY(portal->session.SessionBrowser == portal->session.OwnBrowser);
        QVERIFY(ChromiumPortal::waitFor(*portal->browser, portal->session.OwnBrowser,
                                        PortalAddresses::submissionDetailsPage()));
        firstSession = portal->session.SessionBrowser;
    }

    void aSecondConnectClosesTheFirstSessionsWindow() {
        sbConnectAADEClick(portal->session, owner(), {});
        QVERIFY(portal->messages.shown.isEmpty());
        const QList<BrowserWindow> windows = portal->browser->ListBrowserWindows();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.first() == portal->session.OwnBrowser);
        QVERIFY(!(windows.first() == firstSession));
        QVERIFY(ChromiumPortal::waitFor(*portal->browser, portal->session.OwnBrowser,
                                        PortalAddresses::submissionDetailsPage()));
    }

    void viewingOpensTheDeclarationInANewWindow() {
        RunDeclarationAction(portal->session, DeclarationAction::ViewOrEdit, QStringLiteral("1001"),
                             kFinal);
        QVERIFY(portal->messages.shown.isEmpty());
        PageDocument details = WaitForPortalPage(portal->session, PortalAddresses::flowPage());
        QVERIFY(details);
        const QList<BrowserWindow> windows = portal->browser->ListBrowserWindows();
        QCOMPARE(windows.size(), 2);
        QVERIFY(portal->session.SessionBrowser == windows.last());
        QVERIFY(portal->browser->GetElementById(details, QStringLiteral("contractDetails")));

        // Closing it by request leaves the list window alone.
        portal->browser->RequestWindowClose(portal->browser->GetWindowHandle(windows.last()));
        QCOMPARE(FindPortalWindow(portal->session, PortalAddresses::flowPage()), WindowHandle(0));
        QCOMPARE(portal->browser->ListBrowserWindows().size(), 1);
    }

    void amendingSubmitsInTheSameWindow() {
        RunDeclarationAction(portal->session, DeclarationAction::Amend, QStringLiteral("1020"),
                             kFinal);
        QVERIFY(portal->messages.shown.isEmpty());
        const PageDocument amend = ChromiumPortal::waitFor(
            *portal->browser, portal->session.OwnBrowser, PortalAddresses::flowPage());
        QVERIFY(amend);
        QVERIFY(portal->browser->GetOuterText(portal->browser->GetBody(amend))
                    .contains(QStringLiteral("ΤΡΟΠΟΠΟΙΗΤΙΚΗ ΔΗΛΩΣΗ ΤΗΣ 1020")));
        QCOMPARE(portal->browser->ListBrowserWindows().size(), 1);
        QCOMPARE(portal->platform->actionsSubmitted(),
                 QStringList({QStringLiteral("view 1001"), QStringLiteral("amend 1020")}));
    }

    void aWindowTheOperatorOpensIsListed() {
        BrowserOps& b = *portal->browser;
        b.NavigateTo(portal->session.OwnBrowser, PortalAddresses::submissionDetailsPage());
        const PageDocument list = ChromiumPortal::waitFor(b, portal->session.OwnBrowser,
                                                          PortalAddresses::submissionDetailsPage());
        // The operator follows a link into a new window of the same browser.
        const PageElement body = b.GetBody(list);
        b.SetOuterHtml(b.Item(b.GetElementsByTagName(body, QStringLiteral("p")), 0),
                       QStringLiteral("<p><a id=\"mine\" target=\"_blank\" href=\"") +
                           PortalAddresses::consolePage() + QStringLiteral("\">κονσόλα</a></p>"));
        b.Click(b.GetElementById(list, QStringLiteral("mine")));
        QVERIFY(portal->browser->GetOuterText(b.GetElementById(list, QStringLiteral("mine"))) ==
                QStringLiteral("κονσόλα"));
        QElapsedTimer waited;
        waited.start();
        while (FindPortalWindow(portal->session, PortalAddresses::consolePage()) == 0 &&
               waited.elapsed() < 10000)
            PumpWait(20);
        QCOMPARE(b.ListBrowserWindows().size(), 2);
        QVERIFY(portal->session.SessionBrowser == b.ListBrowserWindows().last());
    }

    void aMissingBrowserIsToldInGreek() {
        const QString absent = portal->folder.path(QStringLiteral("no-chromium"));
        TestBrowser::setMissingProgram(absent);
        const std::unique_ptr<SnapshotBrowser> missing = TestBrowser::make();
        setBrowserOps(missing.get());
        PortalSession session;
        QVERIFY(!runGuarded([&] { sbConnectAADEClick(session, owner(), {}); }));
        setBrowserOps(portal->browser.get());
        TestBrowser::restoreProgram();
        QCOMPARE(portal->messages.errors.size(), 1);
        const QString shown = portal->messages.errors.first();
        QVERIFY2(shown.startsWith(QStringLiteral("Δεν βρέθηκε ο φυλλομετρητής")),
                 qPrintable(shown));
        QVERIFY(shown.contains(absent));
        QVERIFY(shown.contains(TestBrowser::missingProgramHint()));
    }
};

LETHORA_TEST_MAIN(TestChromiumPortal)
#include "tst_chromium_portal.moc"
