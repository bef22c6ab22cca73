#include "companies/TEditAFM.h"
#include "companies/TaxNumber.h"

#include <QToolTip>

TEditAFM::TEditAFM(QWidget* parent) : QLineEdit(parent) {
    saveLook();
}

void TEditAFM::saveLook() {
    m_savedPalette = palette();
    m_savedFont = font();
    m_savedHint = toolTip();
}

void TEditAFM::restoreLook() {
    setPalette(m_savedPalette);
    setFont(m_savedFont);
    setToolTip(m_savedHint);
    m_marked = false;
}

void TEditAFM::focusInEvent(QFocusEvent* event) {
    if (m_marked)
        restoreLook();
    else
        saveLook();
    QLineEdit::focusInEvent(event);
}

void TEditAFM::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsValidAfm(text())) {
        if (m_marked)
            restoreLook();
        return;
    }
    QPalette red = m_savedPalette;
    red.setColor(QPalette::Base, Qt::red);
    red.setColor(QPalette::Text, Qt::white);
    setPalette(red);
    QFont bold = m_savedFont;
    bold.setBold(true);
    setFont(bold);
    setToolTip(kInvalidHint);
    m_marked = true;
    if (isVisible())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), kInvalidHint, this);
}
