#include "updates/ProgressDisplay.h"
#include "updates/TransferCounters.h"
#include "updates/TwoPanelStatusBar.h"

#include <QProgressBar>

ProgressDisplay::ProgressDisplay(QProgressBar* bar, TwoPanelStatusBar* status)
    : m_bar(bar), m_status(status) {
    ProgressViews::add(this);
}

ProgressDisplay::~ProgressDisplay() {
    ProgressViews::remove(this);
}

void ProgressDisplay::show(const ProgressReport& report) {
    m_status->setPanelText(0, report.receivedText);
    m_status->setPanelText(1, report.totalText);
    if (report.percent)
        m_bar->setValue(*report.percent);
}
