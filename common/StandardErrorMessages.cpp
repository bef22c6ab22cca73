#include "common/StandardErrorMessages.h"

#include <cstdio>

void printToStandardError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

void StandardErrorMessages::showMessage(const QString& text) {
    printToStandardError(text);
}

void StandardErrorMessages::showError(const QString& text) {
    printToStandardError(text);
}

bool StandardErrorMessages::askYesNo(const QString& text) {
    printToStandardError(text);
    return false;
}

bool StandardErrorMessages::askOkCancel(const QString& text) {
    return askYesNo(text);
}
