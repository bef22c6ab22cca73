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
