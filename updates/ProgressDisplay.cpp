#include "updates/ProgressDisplay.h"
#include "updates/TransferCounters.h"
#include "updates/TwoPanelStatusBar.h"

#include <QList>
#include <QProgressBar>

namespace {
QList<ProgressDisplay*>& displays() {
    static QList<ProgressDisplay*> all;
    return all;
}
} // namespace

ProgressDisplay::ProgressDisplay(QProgressBar* bar, TwoPanelStatusBar* status)
    : m_bar(bar), m_status(status) {
    displays().append(this);
}

ProgressDisplay::~ProgressDisplay() {
    displays().removeOne(this);
}

void ProgressDisplay::showEverywhere(const ProgressReport& report) {
    for (ProgressDisplay* display : displays())
        display->show(report);
}

void ProgressDisplay::show(const ProgressReport& report) {
    m_status->setPanelText(0, report.receivedText);
    m_status->setPanelText(1, report.totalText);
    if (report.percent)
        m_bar->setValue(*report.percent);
}
