#pragma once
// The operator editor: name, password and level of one operator.

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPushButton;

class TfiUserRights : public QDialog {
    Q_OBJECT
public:
    explicit TfiUserRights(QWidget* parent = nullptr);

    // Fills the editor for an existing operator: the name cannot be changed.
    void showOperator(const QString& userName, const QString& password, const QString& rights);
    int levelItem() const;

    QLineEdit* edUserName;
    QLineEdit* edUserPass;
    QButtonGroup* rgRights;
    QPushButton* btSave;
    QPushButton* btExit;

    void btSaveClick();
};
