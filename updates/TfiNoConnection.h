#pragma once
// The progress window of the version check. When a request fails it turns into the
// connection notice, from which the operator may switch the start-up check off.

#include "updates/ProgressDisplay.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TwoPanelStatusBar;

class TfiNoConnection : public QDialog {
    Q_OBJECT
public:
    explicit TfiNoConnection(QWidget* parent = nullptr);

    QLabel* lbWait;
    QProgressBar* pbInfo;
    TwoPanelStatusBar* sbInfo;
    QLabel* lbNotCheck;
    QCheckBox* cbNotCheck;
    QPushButton* btContinue;

    // Hides the window and its waiting text and shows the notice, the check box and
    // "Συνέχεια", ready to be shown modally.
    void turnIntoNotice();
    // "Συνέχεια": with the box ticked, tells the operator and writes "autocheck.ini".
    void btContinueClick();

private:
    ProgressDisplay m_progress;
};
