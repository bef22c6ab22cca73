#pragma once
// The wait window: "Παρακαλώ περιμένετε ..." with a navy progress bar, shown without
// being modal during long operations. While it is active the pointer is the hourglass.

#include "common/WaitCursor.h"
#include "portal/PortalActions.h"

#include <QWidget>
#include <optional>

class QProgressBar;

class TfiWait : public QWidget {
    Q_OBJECT
public:
    explicit TfiWait(QWidget* parent = nullptr);
    QProgressBar* ProgressBar;

    // Shows the window without its progress bar, and hides it with the bar back.
    WaitWindowHooks withoutProgress();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::optional<WaitCursor> m_hourglass;
};
