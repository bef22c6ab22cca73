#include "common/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
ShellOpenFn& installedHandler() {
    static ShellOpenFn handler;
    return handler;
}
} // namespace

bool shellOpen(const QString& address) {
    if (installedHandler())
        return installedHandler()(address);
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void setShellOpen(ShellOpenFn handler) {
    installedHandler() = std::move(handler);
}
