#pragma once
// The login dialog shown at start-up: ends with OK once an operator has logged in.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QToolButton;

class TfiGetPass : public QDialog {
    Q_OBJECT
public:
    explicit TfiGetPass(QWidget* parent = nullptr);

    QLineEdit* edUserName;
    QLineEdit* edPassword;
    QPlainTextEdit* mmFirstTime;
    QToolButton* btEnter;

    // The OK of the dialog: the picture button, or Enter or Down-arrow in the password.
    void btEnterClick();
};
