#pragma once
// Operators management: the operators, and the companies assigned to the operator in hand.

#include <QDialog>

class QPushButton;
class QTableView;

class TfiUsers : public QDialog {
    Q_OBJECT
public:
    explicit TfiUsers(QWidget* parent = nullptr);
    ~TfiUsers() override;

    QTableView* dbUsers;
    QTableView* dbComps;
    QPushButton* btInsert;
    QPushButton* btModify;
    QPushButton* btDelete;
    QPushButton* btChangeOperator;
    QPushButton* btExit;

    void btInsertClick();
    void btModifyClick();
    void btDeleteClick();
    void btChangeOperatorClick();

private:
    void operatorChanged();
};

// The main window's command: opens the operators and companies, shows the window,
// closes both after.
void ShowOperatorsManagement(QWidget* parent);
