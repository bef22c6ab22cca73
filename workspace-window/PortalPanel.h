#pragma once
// The group "Ενημέρωση από ΑΑΔΕ": the login panel with the connect button, the data
// check, the platform's and the application's counts, and the new-declarations notice.

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

class PortalPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit PortalPanel(QWidget* parent = nullptr);

    // Shows "?" for the platform's counts and hides the notice, as at opening.
    void resetPlatformCounts();
    // Shows or masks the password.
    void togglePassword();

    QLineEdit* edUserName;
    QLineEdit* edPassword;
    QLabel* imgViewPass1;
    QCheckBox* cbSetLoginWithEkpr;
    QPushButton* sbConnectAADE;
    QPushButton* sbGetTaxisDils;
    QPushButton* sbgetSavedDils; // never shown: refreshes the application's counts
    QLabel* lbTaxisArxDils;
    QLabel* lbTaxisTropDils;
    QProgressBar* ggTaxisDils;
    QLabel* lbSavedArxDils;
    QLabel* lbSavedTropDils;
    QProgressBar* ggSavedDils;
    QWidget* pnInsertNewDils;
    QLabel* lbInsertNewDils;
    QLabel* sbInsertNewDils;
    QLabel* imNotMoreDil;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
