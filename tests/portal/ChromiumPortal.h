#pragma once
// The real headless Chromium against the fake platform over HTTP on 127.0.0.1: the
// working folder's settings point the portal at the server, Chromium's own files go to
// a temporary home, and the test's real browser (see TestBrowser) is the provider in use.
// Waits here run on the real clock.

#include "common/Clock.h"
#include "common/Settings.h"
#include "portal/PortalAddresses.h"
#include "portal/PortalSession.h"
#include "tests/portal/SampleRegister.h"
#include "tests/portal/TestBrowser.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tools/fakeplatform/HttpPageServer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <memory>

class ChromiumPortal {
public:
    explicit ChromiumPortal(QList<FakeOwner> owners = {SampleRegister::owner()}) {
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
        server.listenLocally();
        platform = std::make_unique<FakePlatform>(std::move(owners), server.base(),
                                                  server.base() + QStringLiteral("/sso"));
        server.setSource(platform.get());
        Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"), platform->leaseAppBase());
        Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"), platform->signOnBase());
        Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));
        browser = TestBrowser::make();
        setBrowserOps(browser.get());
    }
    ~ChromiumPortal() {
        setBrowserOps(nullptr);
        browser->shutDown();
    }

    // Waits up to 10 s until the window shows an address holding the text and has its
    // document; gives the document, none when the time ran out.
    static PageDocument waitFor(BrowserOps& b, const BrowserWindow& window,
                                const QString& address) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            if (b.GetLocationUrl(window).contains(address))
                if (const PageDocument document = b.GetDocument(window))
                    return document;
            PumpWait(20);
        }
        return {};
    }

    // A window of the browser signed in as the user, showing the page.
    static BrowserWindow signIn(BrowserOps& b, const QString& page,
                                const QString& user = QStringLiteral("owner"),
                                const QString& password = QStringLiteral("secret")) {
        const BrowserWindow window = b.OpenBrowser();
        b.NavigateTo(window, PortalAddresses::consolePage());
        const PageDocument signOn = waitFor(b, window, PortalAddresses::signOnBase());
        b.SetInputValue(b.GetElementById(signOn, QStringLiteral("username")), user);
        b.SetInputValue(b.GetElementById(signOn, QStringLiteral("password")), password);
        b.Submit(b.Item(b.GetElementsByTagName(b.GetBody(signOn), QStringLiteral("form")), 0));
        waitFor(b, window, PortalAddresses::consolePage());
        if (page != PortalAddresses::consolePage())
            b.NavigateTo(window, page);
        waitFor(b, window, page);
        return window;
    }

    TestFolder folder;
    RecordingMessages messages;
    HttpPageServer server;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<SnapshotBrowser> browser;
    PortalSession session;

private:
    QTemporaryDir m_home;
};
