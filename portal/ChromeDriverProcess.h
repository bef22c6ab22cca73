#pragma once
// The chromedriver program that drives Chromium: started on a free port of the loopback
// interface as a guarded process (see GuardedProcess), so that the browsers it starts end
// with it. Its path and Chromium's are settings of the working folder
// ("ChromeDriverPath", "ChromiumPath") with Debian's paths as defaults.

#include "portal/GuardedProcess.h"

#include <QString>

namespace BrowserPaths {
QString chromeDriver();
QString chromium();
// Raises AppError naming the packages to install when either program is missing.
void requireBoth();
} // namespace BrowserPaths

class ChromeDriverProcess {
public:
    ChromeDriverProcess() = default;
    ChromeDriverProcess(const ChromeDriverProcess&) = delete;
    ChromeDriverProcess& operator=(const ChromeDriverProcess&) = delete;
    ~ChromeDriverProcess();

    // Starts the driver and waits until it accepts sessions, letting the windows repaint
    // meanwhile; raises AppError on failure.
    void start();
    bool isRunning() const;
    quint16 port() const { return m_port; }
    // The folder that holds the profiles of the browsers the driver starts.
    QString profilesFolder() const;
    // Ends the driver's process group (the driver and every browser it started) and
    // removes the profiles.
    void stop();

private:
    GuardedProcess m_process;
    quint16 m_port = 0;
};
