#pragma once
// The portal logic against the fake platform in process: a working folder for the
// settings, the recorded message seam, the simulated clock, the fake platform at the
// authority's default addresses and the scripted browser as the provider in use.

#include "common/Clock.h"
#include "portal/PortalAddresses.h"
#include "portal/PortalSession.h"
#include "portal/scripted/ScriptedBrowser.h"
#include "tests/portal/SampleRegister.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"

#include <functional>

// The fake platform's answers, changed on their way to the browser when a test says how.
class EditedAnswers : public PageSource {
public:
    using Edit = std::function<void(const PageRequest&, PageAnswer&)>;
    explicit EditedAnswers(PageSource& platform) : m_platform(platform) {}
    PageAnswer answer(const PageRequest& request) override {
        PageAnswer answer = m_platform.answer(request);
        if (edit)
            edit(request, answer);
        return answer;
    }
    Edit edit;

private:
    PageSource& m_platform;
};

struct ScriptedPortal {
    explicit ScriptedPortal(QList<FakeOwner> owners = {SampleRegister::owner()})
        : platform(std::move(owners), QStringLiteral("https://www1.aade.gr"),
                   QStringLiteral("https://login.gsis.gr")),
          answers(platform), browser(answers) {
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
    EditedAnswers answers;
    ScriptedBrowser browser;
    PortalSession session;
};
