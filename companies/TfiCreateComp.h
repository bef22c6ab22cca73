#pragma once
// The dialog that creates a company, or renames the register's current company.

#include <QDialog>

class QLineEdit;
class QPushButton;
class TEditAFM;

class TfiCreateComp : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Create, Rename };
    explicit TfiCreateComp(Mode mode, QWidget* parent = nullptr);

    TEditAFM* edAfm;
    QLineEdit* edCompName;
    QPushButton* btCreate;
    QPushButton* btExit;

    void btCreateClick();

private:
    Mode m_mode;
};
