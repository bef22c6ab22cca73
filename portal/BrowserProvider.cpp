#include "portal/BrowserOps.h"
#include "portal/WebDriverBrowser.h"

#include <QCoreApplication>

namespace {
BrowserOps* installed = nullptr;
WebDriverBrowser* ownBrowser = nullptr;

// The application's real browser; its sessions end when the application quits, and the
// driver's process group ends at the latest when the application object goes.
WebDriverBrowser& applicationBrowser() {
    if (!ownBrowser) {
        ownBrowser = new WebDriverBrowser;
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

BrowserOps& browserOps() {
    return installed ? *installed : applicationBrowser();
}

void setBrowserOps(BrowserOps* provider) {
    installed = provider;
}
