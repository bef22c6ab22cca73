#pragma once
// Changing the logged-in operator's password. The caller opens the operators cursor
// before and closes it after.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TfiNewPass : public QDialog {
    Q_OBJECT
public:
    explicit TfiNewPass(QWidget* parent = nullptr);

    QLineEdit* edPass1;
    QLineEdit* edPass2;
    QPushButton* btSave;
    QPushButton* btExit;

    void btSaveClick();
};
