// The connect command of the login panel and the panel's credentials rules, on the
// scripted browser and the fake platform.

#include "common/ErrorReport.h"
#include "portal/LoginCredentials.h"
#include "portal/PortalLogin.h"
#include "portal/PortalTexts.h"
#include "tests/portal/ScriptedPortal.h"
#include "tests/portal/StaticPages.h"
#include "tests/support/TestMain.h"

namespace {
FakeOwner ownerWithRepresentative() {
    FakeOwner owner = SampleRegister::owner();
    owner.representativeUserName = QStringLiteral("logistis");
    owner.representativePassword = QStringLiteral("pass2");
    return owner;
}

ConnectInputs inputs(const QString& user, const QString& password, bool withEkpr = false) {
    return {user, password, withEkpr, QPoint(40, 30)};
}

CompanyRecord company() {
    CompanyRecord c;
    c.AFM = SampleRegister::kOwnerAfm;
    c.CompUserName = QStringLiteral("owner");
    c.CompPassword = QStringLiteral("secret");
    c.EkprUserName = QStringLiteral("logistis");
    c.EkprPassword = QStringLiteral("pass2");
    return c;
}
} // namespace

class TestConnect : public QObject {
    Q_OBJECT
private slots:
    void emptyCredentialsAreRefused() {
        ScriptedPortal portal;
        int cleared = 0;
        sbConnectAADEClick(portal.session, inputs(QStringLiteral("owner"), QString()),
                           [&] { ++cleared; });
        sbConnectAADEClick(portal.session, inputs(QString(), QStringLiteral("secret")),
                           [&] { ++cleared; });
        QCOMPARE(portal.messages.shown,
                 QStringList({PortalTexts::kNoCredentials, PortalTexts::kNoCredentials}));
        QCOMPARE(cleared, 0);
        QVERIFY(portal.browser.ListBrowserWindows().isEmpty());
    }

    void theOwnerIsSignedInAndTakenToTheList() {
        ScriptedPortal portal;
        int cleared = 0;
        sbConnectAADEClick(portal.session,
                           inputs(QStringLiteral("owner"), QStringLiteral("secret")),
                           [&] { ++cleared; });
        QCOMPARE(cleared, 1);
        QVERIFY(portal.messages.shown.isEmpty());
        const WindowHandle handle = portal.browser.GetWindowHandle(portal.session.OwnBrowser);
        const ScriptedBrowser::WindowState state = portal.browser.state(handle);
        QVERIFY(state.visible);
        QCOMPARE(state.bounds, QRect(140, 140, 750, 500));
        QCOMPARE(portal.browser.broughtToFront(), QList<WindowHandle>({handle, handle}));
        QVERIFY(portal.session.SessionBrowser == portal.session.OwnBrowser);
        QCOMPARE(portal.browser.writes().last(), QStringLiteral("Click"));
        portal.settle();
        QVERIFY(portal.browser.GetLocationUrl(portal.session.OwnBrowser)
                    .contains(PortalAddresses::submissionDetailsPage()));
    }

    void aSecondConnectClosesTheFirstSessionWindow() {
        ScriptedPortal portal;
        sbConnectAADEClick(portal.session,
                           inputs(QStringLiteral("owner"), QStringLiteral("secret")), {});
        const BrowserWindow first = portal.session.SessionBrowser;
        sbConnectAADEClick(portal.session,
                           inputs(QStringLiteral("owner"), QStringLiteral("secret")), {});
        QVERIFY(!portal.browser.state(portal.browser.GetWindowHandle(first)).open);
        QVERIFY(!(portal.session.OwnBrowser == first));
        QCOMPARE(portal.browser.ListBrowserWindows().size(), 1);
        QVERIFY(portal.messages.shown.isEmpty());
    }

    void aSessionWindowClosedMeanwhileIsPassedOver() {
        ScriptedPortal portal;
        sbConnectAADEClick(portal.session,
                           inputs(QStringLiteral("owner"), QStringLiteral("secret")), {});
        portal.browser.QuitBrowser(portal.session.SessionBrowser);
        sbConnectAADEClick(portal.session,
                           inputs(QStringLiteral("owner"), QStringLiteral("secret")), {});
        QVERIFY(portal.messages.shown.isEmpty());
        QCOMPARE(portal.browser.ListBrowserWindows().size(), 1);
    }

    void anAuthorisedUserIsAskedToPickTheRole() {
        ScriptedPortal portal({ownerWithRepresentative()});
        sbConnectAADEClick(portal.session,
                           inputs(QStringLiteral("logistis"), QStringLiteral("pass2"), true), {});
        QCOMPARE(portal.messages.shown, QStringList({PortalTexts::kChooseRole}));
        QVERIFY(PortalTexts::kChooseRole.endsWith(QStringLiteral("κουμπί \"επιλογή\" ")));
        QVERIFY(PortalTexts::kChooseRole.contains(QStringLiteral("ρόλου \n\rΠαρακαλώ")));
        // Only the sign-on button was clicked, not "button1".
        QCOMPARE(portal.browser.writes().count(QStringLiteral("Click")), 1);
        // With the box left unchecked the role page has no "yearShow": the same message.
        portal.messages.clear();
        sbConnectAADEClick(portal.session,
                           inputs(QStringLiteral("logistis"), QStringLiteral("pass2"), false), {});
        QCOMPARE(portal.messages.shown, QStringList({PortalTexts::kChooseRole}));
    }

    void aWindowClosedDuringTheConnectEndsWithTheRoleMessage() {
        ScriptedPortal portal;
        // The operator closes the new window while the command waits for the console.
        portal.clock.setOnWait([&](qint64) {
            if (portal.session.OwnBrowser &&
                portal.browser.state(portal.browser.GetWindowHandle(portal.session.OwnBrowser))
                    .open)
                portal.browser.QuitBrowser(portal.session.OwnBrowser);
        });
        QVERIFY(runGuarded([&] {
            sbConnectAADEClick(portal.session,
                               inputs(QStringLiteral("owner"), QStringLiteral("secret")), {});
        }));
        portal.clock.setOnWait({});
        QCOMPARE(portal.messages.shown, QStringList({PortalTexts::kChooseRole}));
        QVERIFY(portal.messages.errors.isEmpty());
    }

    void failedSignOnEndsWithTheRoleMessage() {
        ScriptedPortal portal;
        sbConnectAADEClick(portal.session, inputs(QStringLiteral("owner"), QStringLiteral("wrong")),
                           {});
        QCOMPARE(portal.messages.shown, QStringList({PortalTexts::kChooseRole}));
    }

    void yearShowWithoutButton1ClicksNothingAndSaysNothing() {
        TestFolder folder;
        RecordingMessages messages;
        SimulatedClock clock;
        StaticPages pages;
        pages.pages.insert(
            PortalAddresses::consolePage(),
            QStringLiteral("<body><form><select name=\"yearShow\"></select>"
                           "<input type=\"submit\" name=\"button2\"></form></body>"));
        ScriptedBrowser browser(pages);
        setClock(&clock);
        setBrowserOps(&browser);
        PortalSession session;
        sbConnectAADEClick(session, inputs(QStringLiteral("u"), QStringLiteral("p")), {});
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(browser.writes().isEmpty());
        setBrowserOps(nullptr);
        setClock(nullptr);
    }

    void theCredentialsOfThePanel() {
        CompanyRecord c = company();
        const LoginCredentials atOpen = loginCredentialsAtOpen(c);
        QCOMPARE(atOpen.userName, QStringLiteral("logistis"));
        QCOMPARE(atOpen.password, QStringLiteral("pass2"));
        QVERIFY(atOpen.loginWithEkpr);
        c.EkprPassword.clear();
        const LoginCredentials own = loginCredentialsAtOpen(c);
        QCOMPARE(own.userName, QStringLiteral("owner"));
        QVERIFY(!own.loginWithEkpr);
        // Toggling twice gives the company's own credentials back, not what was typed.
        LoginCredentials panel = own;
        panel.userName = QStringLiteral("typed");
        panel = loginCredentialsFor(c, !panel.loginWithEkpr);
        QCOMPARE(panel.userName, QStringLiteral("logistis"));
        QCOMPARE(panel.password, QString());
        panel = loginCredentialsFor(c, !panel.loginWithEkpr);
        QCOMPARE(panel.userName, QStringLiteral("owner"));
        QCOMPARE(panel.password, QStringLiteral("secret"));
        QVERIFY(!panel.loginWithEkpr);
    }
};

LETHORA_TEST_MAIN(TestConnect)
#include "tst_connect.moc"
