#include "common/Messages.h"
#include "common/QtMessages.h"

namespace {
MessageSeam* installedSeam = nullptr;
}

MessageSeam& messages() {
    static QtMessages qtMessages;
    return installedSeam ? *installedSeam : qtMessages;
}

void setMessages(MessageSeam* seam) {
    installedSeam = seam;
}
