#include "common/Messages.h"
#include "common/StandardErrorMessages.h"

namespace {
MessageSeam* installedSeam = nullptr;
}

MessageSeam& messages() {
    static StandardErrorMessages toStandardError;
    return installedSeam ? *installedSeam : toStandardError;
}

void setMessages(MessageSeam* seam) {
    installedSeam = seam;
}

int MessageSeam::askChoice(const QString& text, const QStringList& buttons) {
    showMessage(text);
    return int(buttons.size()) - 1;
}

QString MessageSeam::askSaveFileName(const QString&, const QString&) {
    return {};
}
