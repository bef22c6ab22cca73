#include "portal/BrowserOps.h"
#include "portal/BrowserProgram.h"
#include "portal/DevToolsBrowser.h"
#include "portal/WebDriverBrowser.h"

#include <QCoreApplication>

namespace {
BrowserOps* installed = nullptr;
SnapshotBrowser* ownBrowser = nullptr;

// The application's real browser; its windows end when the application quits, and the
// browser's process group ends at the latest when the application object goes.
SnapshotBrowser& applicationBrowser() {
    if (!ownBrowser) {
        ownBrowser = makeRealBrowser().release();
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [] { ownBrowser->shutDown(); });
        qAddPostRoutine([] {
            delete ownBrowser;
            ownBrowser = nullptr;
        });
    }
    return *ownBrowser;
}
} // namespace

std::unique_ptr<SnapshotBrowser> makeRealBrowser() {
    if (BrowserProgram::driver() == BrowserProgram::Driver::WebDriver)
        return std::make_unique<WebDriverBrowser>();
    return std::make_unique<DevToolsBrowser>();
}

BrowserOps& browserOps() {
    return installed ? *installed : applicationBrowser();
}

void setBrowserOps(BrowserOps* provider) {
    installed = provider;
}
