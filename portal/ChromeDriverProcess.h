#pragma once
// The chromedriver program that drives Chromium: started on a free port of the loopback
// interface in a process group of its own, so that ending the group ends the browsers it
// started too. Its path and Chromium's are settings of the working folder
// ("ChromeDriverPath", "ChromiumPath") with Debian's paths as defaults.

#include <QProcess>
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

    // Starts the driver and waits until it accepts sessions; raises AppError on failure.
    void start();
    bool isRunning() const;
    quint16 port() const { return m_port; }
    // Ends the driver's process group (the driver and every browser it started).
    void stop();

private:
    QProcess m_process;
    quint16 m_port = 0;
};
