#include "updates/UpdateLauncher.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>

namespace {
UpdateLauncher* installedLauncher = nullptr;
}

bool DesktopLauncher::start(const QString& path) {
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

void DesktopLauncher::quitApplication() {
    // Queued, so that it also ends an application whose message loop has not begun yet
    // (the check at start-up). Closing the windows first lets the main window release
    // what it holds when it closes.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            QApplication::closeAllWindows();
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}

UpdateLauncher& updateLauncher() {
    static DesktopLauncher desktopLauncher;
    return installedLauncher ? *installedLauncher : desktopLauncher;
}

void setUpdateLauncher(UpdateLauncher* launcher) {
    installedLauncher = launcher;
}
