#pragma once
// A progress bar with its two-panel status bar that shows the transfers' progress.
// Every window that carries one (the progress window and the version window) keeps a
// ProgressDisplay for its life, and each report reaches all of them at once.

class QProgressBar;
class TwoPanelStatusBar;
struct ProgressReport;

class ProgressDisplay {
public:
    ProgressDisplay(QProgressBar* bar, TwoPanelStatusBar* status);
    ~ProgressDisplay();
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;

    // Shows the report on every display that exists.
    static void showEverywhere(const ProgressReport& report);

private:
    void show(const ProgressReport& report);

    QProgressBar* m_bar;
    TwoPanelStatusBar* m_status;
};
