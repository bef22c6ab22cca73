#pragma once
// The chromedriver program that drives Chromium: started on a free port of the loopback
// interface in a process group of its own, so that ending the group ends the browsers it
// started too. Its path and Chromium's are settings of the working folder
// ("ChromeDriverPath", "ChromiumPath") with Debian's paths as defaults.
//
// A browser signed in to the platform must not outlive the program that opened it. The
// browsers' profiles (their cookies) live in one folder of the driver's, and a small
// guard process, in a session of its own, holds a pipe from the program: when the
// program ends in any way (a signal, a crash), the pipe closes and the guard ends the
// driver's group and removes the folder. Folders left by a program whose guard did not
// run are removed at the next start.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

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

    // Removes the profile folders of programs that have ended, ending their browsers
    // first when those are still running.
    static void removeLeftovers();

private:
    QProcess m_process;
    QProcess m_guard;
    std::unique_ptr<QTemporaryDir> m_folder;
    quint16 m_port = 0;
};
