#pragma once
// Starting the downloaded setup program and ending the application. The application
// uses the desktop's launcher; tests install one that only records the requests.

#include <QString>

class UpdateLauncher {
public:
    virtual ~UpdateLauncher() = default;
    // Starts the program at the absolute path on its own, in a normal window; false when
    // it could not be started.
    virtual bool start(const QString& path) = 0;
    // Ends the application: its windows are closed and its message loop left.
    virtual void quitApplication() = 0;
};

class DesktopLauncher : public UpdateLauncher {
public:
    bool start(const QString& path) override;
    void quitApplication() override;
};

// The launcher in force; DesktopLauncher unless a test installed another one.
UpdateLauncher& updateLauncher();
// Installs a launcher (nullptr restores DesktopLauncher). The caller keeps ownership.
void setUpdateLauncher(UpdateLauncher* launcher);
