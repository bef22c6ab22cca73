#include "common/FieldKeys.h"

#include <QKeyEvent>

FieldKeys::FieldKeys(QWidget* window, const QList<QWidget*>& fields)
    : QObject(window), m_window(window), m_fields(fields) {
    for (QWidget* field : fields)
        field->installEventFilter(this);
}

void FieldKeys::setFieldCommand(QWidget* field, std::function<void()> command) {
    m_fieldCommands.insert(field, std::move(command));
}

void FieldKeys::moveFocus(int from, int step) {
    const int count = m_fields.size();
    for (int i = 1; i <= count; ++i) {
        QWidget* candidate = m_fields.at(((from + step * i) % count + count) % count);
        if (candidate->isEnabled() && candidate->focusPolicy() != Qt::NoFocus) {
            candidate->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    auto* field = qobject_cast<QWidget*>(watched);
    const int index = m_fields.indexOf(field);
    if (index < 0)
        return false;
    if (m_ignoreCtrl && key->modifiers().testFlag(Qt::ControlModifier))
        return true;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        if (const auto command = m_fieldCommands.value(field))
            command();
        else
            moveFocus(index, 1);
        return true;
    case Qt::Key_Up:
        moveFocus(index, -1);
        return true;
    case Qt::Key_F2:
        if (m_onSave) {
            m_onSave();
            return true;
        }
        return false;
    case Qt::Key_Escape:
        if (m_onClose) {
            m_onClose();
            return true;
        }
        return false;
    default:
        return false;
    }
}
