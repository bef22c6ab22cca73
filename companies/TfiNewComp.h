#pragma once
// The company editor: a child window of the main window holding the open company's
// record. "miSave" saves it (F2 and the toolbar reach it through the main window);
// closing reloads the record, so that edits that were not saved are dropped.

#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class TEditAFM;

class TfiNewComp : public QWidget {
    Q_OBJECT
public:
    explicit TfiNewComp(QWidget* parent = nullptr);

    // Copies every field of the open company into its box.
    void fill();
    // Runs after the window has closed and reloaded the record (the status bar follows).
    void setOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }

    TEditAFM* edAFM;
    QLineEdit* edBigName;
    QLineEdit* edSubmitDoy;
    QLineEdit* edActDescr;
    QLineEdit* edOdos;
    QLineEdit* edArithmos;
    QLineEdit* edDhmos;
    QLineEdit* edTK;
    QLineEdit* edPhone;
    QLineEdit* edEmail;
    QLineEdit* edCompUserName;
    QLineEdit* edCompPassword;
    QLineEdit* edEkprUserName;
    QLineEdit* edEkprPassword;
    QLabel* imgViewPass1;
    QLabel* imgViewPass2;
    QAction* miSave;
    QAction* miClose;

    void miSaveClick();
    // Toggles a password box between "*" and clear text.
    void togglePassword(QLineEdit* box);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QLineEdit*> boxes() const; // in the order of the record's fields
    std::function<void()> m_onClosed;
};
