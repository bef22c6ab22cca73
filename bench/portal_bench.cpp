// Figures of the portal link with the real headless Chromium against the fake platform
// on 127.0.0.1:
// - the round trip of one browser operation (the address of a window), and the check
//   that a window has a document, which every window pass makes;
// - the snapshot of a declaration's details page with 4 properties and 5 lessees (one
//   GetDocument), and the reading of every element's text and HTML from it;
// - the connect command from its start to the console left for the list, less its two
//   fixed waits of 3000 and 2000 ms, with the start of the browser shown apart;
// - the snapshot of the submission list of a generated register of 1000 declarations.
// Each figure is the median of several runs.

#include "common/Clock.h"
#include "common/Messages.h"
#include "common/Settings.h"
#include "common/WorkFolder.h"
#include "portal/PortalActions.h"
#include "portal/PortalAddresses.h"
#include "portal/PortalLogin.h"
#include "portal/WebDriverBrowser.h"
#include "tests/portal/SampleRegister.h"
#include "tools/fakeplatform/HttpPageServer.h"
#include "tools/registergen/RegisterGenerator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
class SilentMessages : public MessageSeam {
public:
    void showMessage(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void showError(const QString& text) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    bool askYesNo(const QString&) override { return false; }
    bool askOkCancel(const QString&) override { return false; }
};

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The register of one declaration with 4 properties and 5 lessees.
RegisterDataSet benchRegister() {
    RegisterDataSet set = SampleRegister::shared();
    set.declarations << SampleRegister::declaration(2001, 5, 5);
    for (int aa = 1; aa <= 4; ++aa)
        set.properties << SampleRegister::property(2001, aa);
    return set;
}

PageDocument waitFor(BrowserOps& b, const BrowserWindow& window, const QString& address) {
    for (int i = 0; i < 500; ++i) {
        if (b.GetLocationUrl(window).contains(address))
            if (const PageDocument document = b.GetDocument(window))
                return document;
        PumpWait(20);
    }
    return {};
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SilentMessages silent;
    setMessages(&silent);
    QTemporaryDir work;
    qputenv("HOME", work.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", work.path().toLocal8Bit());
    WorkFolder::setRoot(work.path());

    HttpPageServer server;
    server.listenLocally();
    const FakeOwner large =
        SampleRegister::owner(generateRegister(SampleRegister::kOtherAfm, 1000, 1),
                              QStringLiteral("large"), QStringLiteral("large"));
    FakePlatform platform({SampleRegister::owner(benchRegister()), large}, server.base(),
                          server.base() + QStringLiteral("/sso"));
    server.setSource(&platform);
    Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"), platform.leaseAppBase());
    Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"), platform.signOnBase());
    Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));
    WebDriverBrowser browser;
    setBrowserOps(&browser);
    PortalSession session;
    const ConnectInputs inputs{QStringLiteral("owner"), QStringLiteral("secret"), false, QPoint()};

    QList<double> opened, connected;
    for (int run = 0; run < 3; ++run) {
        connected << milliseconds([&] { sbConnectAADEClick(session, inputs, {}); }) - 5000;
        // The browser's start, which the connect command includes, measured apart.
        BrowserWindow started;
        opened << milliseconds([&] { started = browser.OpenBrowser(); });
        browser.QuitBrowser(started);
    }

    const BrowserWindow list = session.SessionBrowser;
    QList<double> roundTrips, documentChecks;
    for (int i = 0; i < 50; ++i) {
        roundTrips << milliseconds([&] { browser.GetLocationUrl(list); });
        documentChecks << milliseconds([&] { browser.GetDocument(list); });
    }

    waitFor(browser, list, PortalAddresses::submissionDetailsPage());
    RunDeclarationAction(session, DeclarationAction::ViewOrEdit, QStringLiteral("2001"),
                         QStringLiteral("Οριστικοποιημένο"));
    WaitForPortalPage(session, PortalAddresses::flowPage());
    const BrowserWindow details = session.SessionBrowser;
    QList<double> snapshots, readings;
    int elements = 0;
    for (int i = 0; i < 15; ++i) {
        PageDocument document;
        snapshots << milliseconds([&] {
            document = browser.GetDocument(details);
            browser.GetBody(document); // the first read takes the snapshot
        });
        readings << milliseconds([&] {
            const ElementCollection all = browser.GetAllElements(document);
            elements = browser.Count(all);
            for (int e = 0; e < elements; ++e) {
                const PageElement element = browser.Item(all, e);
                browser.GetOuterText(element);
                browser.GetOuterHtml(element);
            }
        });
    }

    PortalSession largeSession;
    sbConnectAADEClick(largeSession,
                       {QStringLiteral("large"), QStringLiteral("large"), false, QPoint()}, {});
    waitFor(browser, largeSession.SessionBrowser, PortalAddresses::submissionDetailsPage());
    QList<double> listSnapshots;
    int listElements = 0;
    for (int i = 0; i < 5; ++i)
        listSnapshots << milliseconds([&] {
            const PageDocument document = browser.GetDocument(largeSession.SessionBrowser);
            listElements = browser.Count(browser.GetAllElements(document));
        });

    std::printf("portal link with headless Chromium, medians\n");
    std::printf("  one browser operation (window address)        %8.1f ms  (%lld runs)\n",
                median(roundTrips), qlonglong(roundTrips.size()));
    std::printf("  whether a window has a document               %8.1f ms\n",
                median(documentChecks));
    std::printf("  snapshot of a details page, 4 properties,\n"
                "    5 lessees, %d elements (goal < 150 ms)       %8.1f ms  (%lld runs)\n",
                elements, median(snapshots), qlonglong(snapshots.size()));
    std::printf("  reading every element's text and HTML from it  %8.1f ms\n", median(readings));
    std::printf("  connect to the console, less 3000 + 2000 ms    %8.1f ms  (%lld runs)\n",
                median(connected), qlonglong(connected.size()));
    std::printf("    of which starting the browser                %8.1f ms\n", median(opened));
    std::printf("  snapshot of a submission list of %lld submissions,\n"
                "    %d elements                                %8.1f ms  (%lld runs)\n",
                qlonglong(large.data.declarations.size() + large.data.amendments.size()),
                listElements, median(listSnapshots), qlonglong(listSnapshots.size()));
    setBrowserOps(nullptr);
    browser.shutDown();
    return 0;
}
