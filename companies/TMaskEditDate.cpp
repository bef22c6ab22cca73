#include "companies/TMaskEditDate.h"
#include "common/DateText.h"

#include <QKeyEvent>

TMaskEditDate::TMaskEditDate(QWidget* parent) : QLineEdit(parent) {
    // Optional digits for day and month, the literal "20", two optional year digits.
    setInputMask(QStringLiteral("00/00/\\2\\000;_"));
    setDateText(QString());
}

QString TMaskEditDate::dateText() const {
    QString shown = displayText();
    shown.replace(QLatin1Char('_'), QLatin1Char(' '));
    return shown.leftJustified(10, QLatin1Char(' '));
}

void TMaskEditDate::setDateText(const QString& date) {
    if (date.isEmpty()) {
        setText(QStringLiteral("  /  /20  "));
        return;
    }
    setText(date);
}

void TMaskEditDate::keyPressEvent(QKeyEvent* event) {
    // A blank typed at a digit's place leaves it empty, as the mask's blank does.
    if (event->text() == QLatin1String(" ")) {
        QKeyEvent blank(event->type(), Qt::Key_Underscore, event->modifiers(), QStringLiteral("_"));
        QLineEdit::keyPressEvent(&blank);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TMaskEditDate::normalise() {
    setDateText(NormaliseDateBoxText(dateText()));
}

void TMaskEditDate::focusOutEvent(QFocusEvent* event) {
    normalise();
    QLineEdit::focusOutEvent(event);
}
