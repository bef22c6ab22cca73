#pragma once
// The company chooser over the register: for opening a company or for deleting one,
// with a quick search that switches the order by the first character typed.

#include <QDialog>

class QAction;
class QLineEdit;
class QRadioButton;
class QTableView;

class TfiIndexCompany : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Open, Delete };
    explicit TfiIndexCompany(Mode mode, QWidget* parent = nullptr);

    QAction* acChoice;
    QAction* acModify;
    QAction* acDel;
    QAction* acExit;
    QLineEdit* edFastFind;
    QRadioButton* rbByName; // "Επωνυμία"
    QRadioButton* rbByAfm;  // "ΑΦΜ"
    QTableView* dbCompany;

    void acChoiceExecute();
    void acModifyExecute();
    void acDelExecute();
    void edFastFindChange(const QString& text);
    bool sortedByAfm() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setSortByAfm(bool byAfm);
    bool gridKey(QKeyEvent* key);

    Mode m_mode;
};
