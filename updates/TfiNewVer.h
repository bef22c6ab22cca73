#pragma once
// The version window, shown modally by the main window's command: runs the check on
// the operator's request and shows the download's progress.

#include "updates/ProgressDisplay.h"

#include <QDialog>

class QProgressBar;
class QPushButton;
class TwoPanelStatusBar;

class TfiNewVer : public QDialog {
    Q_OBJECT
public:
    explicit TfiNewVer(QWidget* parent = nullptr);

    QProgressBar* pbInfo;
    TwoPanelStatusBar* sbInfo;
    QPushButton* btUpdate;
    QPushButton* btExit;

    // "Ενημέρωση Εφαρμογής": the check, interactive; the button rests while it runs.
    void btUpdateClick();

private:
    ProgressDisplay m_progress;
};
