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

    // Fills the editor for an existing operator: the name cannot be changed, and an empty
    // password box keeps the operator's password.
    inline static const QString kKeepsPasswordHint =
        QStringLiteral("Κενό: μένει ο κωδικός που έχει ο χρήστης");
    void showOperator(const QString& userName, const QString& password, const QString& rights);
    int levelItem() const;

    QLineEdit* edUserName;
    QLineEdit* edUserPass;
    QButtonGroup* rgRights;
    QPushButton* btSave;
    QPushButton* btExit;

    void btSaveClick();
};
