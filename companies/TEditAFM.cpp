#include "companies/TEditAFM.h"
#include "companies/TaxNumber.h"

TEditAFM::TEditAFM(QWidget* parent) : QLineEdit(parent) {}

void TEditAFM::focusInEvent(QFocusEvent* event) {
    m_look.entered();
    QLineEdit::focusInEvent(event);
}

void TEditAFM::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsValidAfm(text()))
        m_look.restore();
    else
        m_look.mark(kInvalidHint);
}
