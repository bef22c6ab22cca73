#include "companies/WrongEntryLook.h"

#include <QLineEdit>
#include <QToolTip>

WrongEntryLook::WrongEntryLook(QLineEdit& box) : m_box(box) {
    save();
}

void WrongEntryLook::save() {
    m_savedPalette = m_box.palette();
    m_savedFont = m_box.font();
    m_savedHint = m_box.toolTip();
}

void WrongEntryLook::restore() {
    if (!m_marked)
        return;
    m_box.setPalette(m_savedPalette);
    m_box.setFont(m_savedFont);
    m_box.setToolTip(m_savedHint);
    m_marked = false;
}

void WrongEntryLook::entered() {
    if (m_marked)
        restore();
    else
        save();
}

void WrongEntryLook::mark(const QString& hint) {
    QPalette red = m_savedPalette;
    red.setColor(QPalette::Base, Qt::red);
    red.setColor(QPalette::Text, Qt::white);
    m_box.setPalette(red);
    QFont bold = m_savedFont;
    bold.setBold(true);
    m_box.setFont(bold);
    m_box.setToolTip(hint);
    m_marked = true;
    if (m_box.isVisible())
        QToolTip::showText(m_box.mapToGlobal(QPoint(0, m_box.height())), hint, &m_box);
}
