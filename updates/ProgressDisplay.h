#pragma once
// A progress bar with its two-panel status bar that shows the transfers' progress.
// Every window that carries one (the progress window and the version window) keeps a
// ProgressDisplay for its life.

#include "updates/ProgressViews.h"

class QProgressBar;
class TwoPanelStatusBar;

class ProgressDisplay final : public ProgressView {
public:
    ProgressDisplay(QProgressBar* bar, TwoPanelStatusBar* status);
    ~ProgressDisplay() override;
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;

    void show(const ProgressReport& report) override;

private:
    QProgressBar* m_bar;
    TwoPanelStatusBar* m_status;
};
