#pragma once
// The question of the first start, "Φάκελος δεδομένων": where the tables and the
// owners' data are kept, a folder of this computer or a shared network folder.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TfiDataFolder : public QDialog {
    Q_OBJECT
public:
    explicit TfiDataFolder(const QString& proposal, QWidget* parent = nullptr);
    // The folder the operator chose, absolute ("~/" expanded); empty when none was typed.
    QString chosenFolder() const;

    QLineEdit* edFolder = nullptr;
    QPushButton* btBrowse = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btExit = nullptr;

private:
    void btBrowseClick();
};
