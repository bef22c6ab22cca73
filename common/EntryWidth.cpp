#include "common/EntryWidth.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>

namespace {
const QString kName = QStringLiteral("ΚΩΝΣΤΑΝΤΟΠΟΥΛΟΥ ΜΑΡΙΑ");
const int kNameLength = 20;

// Boxes that are part of another control take that control's width.
bool isPartOfAnotherControl(const QLineEdit& box) {
    const QWidget* parent = box.parentWidget();
    return qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent);
}
} // namespace

int EntryWidth::neededFor(const QLineEdit& box, const QString& text) {
    QString shown = text;
    if (box.echoMode() == QLineEdit::Password || box.echoMode() == QLineEdit::PasswordEchoOnEdit)
        shown = QString(text.size(), QChar(box.style()->styleHint(
                                         QStyle::SH_LineEdit_PasswordCharacter, nullptr, &box)));
    const QFontMetrics metrics = box.fontMetrics();
    // The box's size hint is 17 "x" plus its margins and frame.
    const int frame = box.sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    return frame + metrics.horizontalAdvance(shown) + 1;
}

QString EntryWidth::usualText(const QLineEdit& box) {
    const QString own = box.property("usualText").toString();
    if (!own.isEmpty())
        return own;
    if (!box.inputMask().isEmpty()) {
        QString filled = box.displayText();
        filled.replace(QLatin1Char('_'), QLatin1Char('0'));
        filled.replace(QLatin1Char(' '), QLatin1Char('0'));
        return filled;
    }
    if (box.maxLength() <= kNameLength)
        return QString(box.maxLength(), QLatin1Char('0'));
    return kName.left(kNameLength);
}

void EntryWidth::fitBoxes(QWidget& window) {
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (isPartOfAnotherControl(*box))
            continue;
        const int needed = neededFor(*box, usualText(*box));
        if (box->minimumWidth() < needed)
            box->setMinimumWidth(needed);
        if (box->maximumWidth() < needed)
            box->setMaximumWidth(needed);
    }
}
