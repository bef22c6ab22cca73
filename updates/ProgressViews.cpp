#include "updates/ProgressViews.h"

#include <QList>

namespace {
QList<ProgressView*>& views() {
    static QList<ProgressView*> all;
    return all;
}
} // namespace

void ProgressViews::add(ProgressView* view) {
    views().append(view);
}

void ProgressViews::remove(ProgressView* view) {
    views().removeOne(view);
}

void ProgressViews::showEverywhere(const ProgressReport& report) {
    for (ProgressView* view : views())
        view->show(report);
}
