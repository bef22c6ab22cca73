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
    // False when the operators table could not be prepared (the error was shown): no
    // login can succeed, so the dialog is not to be shown.
    bool ready() const { return m_ready; }

private:
    bool m_ready = false;
};
