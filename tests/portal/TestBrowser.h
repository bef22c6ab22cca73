#pragma once
// The real browser that a test drives: the test programs run once on each real provider,
// the DevTools one (the application's default) and, with LETHORA_TEST_BROWSER=webdriver,
// the WebDriver one (see lethora_browser_test).

#include "common/Settings.h"
#include "portal/DevToolsBrowser.h"
#include "portal/WebDriverBrowser.h"

#include <memory>

namespace TestBrowser {
inline bool onWebDriver() {
    return qgetenv("LETHORA_TEST_BROWSER") == "webdriver";
}

inline std::unique_ptr<SnapshotBrowser> make() {
    if (onWebDriver())
        return std::make_unique<WebDriverBrowser>();
    return std::make_unique<DevToolsBrowser>();
}

// Points the provider at a browser program that is not there.
inline void setMissingProgram(const QString& path) {
    Settings::setFolderValue(
        onWebDriver() ? QStringLiteral("ChromiumPath") : QStringLiteral("Browser/Program"), path);
}

// Back to the installed browser.
inline void restoreProgram() {
    if (onWebDriver())
        Settings::setFolderValue(QStringLiteral("ChromiumPath"),
                                 QStringLiteral("/usr/lib/chromium/chromium"));
    else
        Settings::setFolderValue(QStringLiteral("Browser/Program"), QString());
}

// What the message about a missing program tells the operator to do.
inline QString missingProgramHint() {
    return onWebDriver() ? QStringLiteral("chromium-driver") : QStringLiteral("[Browser]");
}
} // namespace TestBrowser
