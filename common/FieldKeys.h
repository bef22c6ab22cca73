#pragma once
// The keyboard of the data-entry dialogs: Enter and Down-arrow move to the next field,
// Up-arrow to the previous one, Enter never beeps, F2 saves, Esc closes. A dialog may
// also ignore every key pressed with Ctrl held, and give the last field's Enter a
// command of its own.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class FieldKeys : public QObject {
    Q_OBJECT
public:
    FieldKeys(QWidget* window, const QList<QWidget*>& fields);

    // Enter or Down-arrow in this field runs the command instead of moving on.
    void setFieldCommand(QWidget* field, std::function<void()> command);
    void setOnSave(std::function<void()> command) { m_onSave = std::move(command); }   // F2
    void setOnClose(std::function<void()> command) { m_onClose = std::move(command); } // Esc
    void setIgnoreCtrl(bool ignore) { m_ignoreCtrl = ignore; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveFocus(int from, int step);

    QPointer<QWidget> m_window;
    QList<QWidget*> m_fields;
    QHash<QWidget*, std::function<void()>> m_fieldCommands;
    std::function<void()> m_onSave;
    std::function<void()> m_onClose;
    bool m_ignoreCtrl = false;
};
