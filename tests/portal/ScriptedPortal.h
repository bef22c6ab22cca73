#pragma once
// The portal logic against the fake platform in process: a working folder for the
// settings, the recorded message seam, the simulated clock, the fake platform at the
// authority's default addresses and the scripted browser as the provider in use.

#include "common/Clock.h"
#include "portal/PortalAddresses.h"
#include "portal/PortalSession.h"
#include "portal/ScriptedBrowser.h"
#include "tests/portal/SampleRegister.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"

struct ScriptedPortal {
    explicit ScriptedPortal(QList<FakeOwner> owners = {SampleRegister::owner()})
        : platform(std::move(owners), QStringLiteral("https://www1.aade.gr"),
                   QStringLiteral("https://login.gsis.gr")),
          browser(platform) {
        setClock(&clock);
        setBrowserOps(&browser);
    }
    ~ScriptedPortal() {
        setBrowserOps(nullptr);
        setClock(nullptr);
    }

    // Lets the browser finish what it was asked to load.
    void settle(int ms = 1000) {
        clock.advance(ms);
        browser.ListBrowserWindows();
    }

    // A browser window signed in as the user and showing the page.
    BrowserWindow signedInWindow(const QString& page, const QString& user = QStringLiteral("owner"),
                                 const QString& password = QStringLiteral("secret")) {
        const BrowserWindow window = browser.OpenBrowser();
        browser.NavigateTo(window, PortalAddresses::consolePage());
        settle();
        const PageDocument signOn = browser.GetDocument(window);
        browser.SetInputValue(browser.GetElementById(signOn, QStringLiteral("username")), user);
        browser.SetInputValue(browser.GetElementById(signOn, QStringLiteral("password")), password);
        browser.Submit(browser.Item(
            browser.GetElementsByTagName(browser.GetBody(signOn), QStringLiteral("form")), 0));
        settle();
        if (page != PortalAddresses::consolePage()) {
            browser.NavigateTo(window, page);
            settle();
        }
        return window;
    }

    TestFolder folder;
    RecordingMessages messages;
    SimulatedClock clock;
    FakePlatform platform;
    ScriptedBrowser browser;
    PortalSession session;
};
