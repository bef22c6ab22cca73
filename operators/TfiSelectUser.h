#pragma once
// Choosing the operator to whom a company is assigned (over the second operators cursor).

#include <QDialog>

class QPushButton;
class QTableView;

class TfiSelectUser : public QDialog {
    Q_OBJECT
public:
    explicit TfiSelectUser(QWidget* parent = nullptr);

    QTableView* dbUsers;
    QPushButton* btChoose;
    QPushButton* btExit;
};
