#pragma once
// The wait window: "Παρακαλώ περιμένετε ..." with a navy progress bar, shown without
// being modal during long operations. While it is active the pointer is the hourglass.

#include "common/WaitCursor.h"
#include "portal/PortalActions.h"

#include <QWidget>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

class TfiWait : public QWidget {
    Q_OBJECT
public:
    explicit TfiWait(QWidget* parent = nullptr);
    QProgressBar* ProgressBar;

    // Shows the window without its progress bar, and hides it with the bar back.
    WaitWindowHooks withoutProgress();
    // Shows the window with the import's progress, "n από N", and its stop button.
    WaitWindowHooks withImportProgress();
    void showImportProgress(int handled, int total);

signals:
    // "Διακοπή": the operator asks the import to stop after the declaration in hand.
    void stopAsked();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // The window closes when its operation ends, never by the operator's hand.
    void closeEvent(QCloseEvent* event) override;

private:
    void showImportControls(bool shown);

    QLabel* m_count;
    QPushButton* m_stop;
    std::optional<WaitCursor> m_hourglass;
};
