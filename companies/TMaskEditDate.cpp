#include "companies/TMaskEditDate.h"
#include "common/DateText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {
// Positions in "DD/MM/YYYY": the year's cells start at 6, the century ends at 7.
const int kYear = 6;
const int kAfterCentury = 8;
const int kEnd = 10;
const QChar kBlank = QLatin1Char('_');
} // namespace

TMaskEditDate::TMaskEditDate(QWidget* parent) : QLineEdit(parent) {
    // Optional digits for day, month and year; "_" shows an empty cell.
    setInputMask(QStringLiteral("00/00/0000;_"));
    setDateText(QString());
}

QString TMaskEditDate::dateText() const {
    QString shown = displayText();
    shown.replace(kBlank, QLatin1Char(' '));
    return shown.leftJustified(10, QLatin1Char(' '));
}

void TMaskEditDate::setDateText(const QString& date) {
    setText(date.isEmpty() ? kEmptyDateBox : date);
    m_centuryGiven = displayText().mid(kYear, 2) == QLatin1String("20");
    m_twoYearDigitsTyped = false;
    if (IsDateBoxDateOrEmpty(dateText()))
        m_look.restore();
}

bool TMaskEditDate::centuryGiven() const {
    return m_centuryGiven && displayText().mid(kYear, 2) == QLatin1String("20");
}

void TMaskEditDate::pasteDate() {
    const QString date = DateOfPastedText(QApplication::clipboard()->text());
    if (date.isEmpty())
        paste();
    else
        setDateText(date);
}

void TMaskEditDate::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteDate();
        return;
    }
    const QString typed = event->text();
    const bool digit =
        typed.size() == 1 && typed.at(0) >= QLatin1Char('0') && typed.at(0) <= QLatin1Char('9');
    const bool blank = typed == QLatin1String(" ");
    const bool given = centuryGiven() && !hasSelectedText();
    const int at = cursorPosition();
    const QString shown = displayText();
    if (given && digit && at == kEnd && m_twoYearDigitsTyped) {
        // "20" and two digits typed, then a third: the year is being typed in full.
        setText(shown.left(kYear) + shown.mid(kAfterCentury, 2) + typed + kBlank);
        setCursorPosition(kEnd - 1);
        m_centuryGiven = m_twoYearDigitsTyped = false;
        return;
    }
    // Typing, Backspace and Delete pass over the given century, as over a separator.
    if (given && (digit || blank) && at >= kYear && at < kAfterCentury)
        setCursorPosition(kAfterCentury);
    if (given && event->key() == Qt::Key_Backspace && at > kYear && at <= kAfterCentury)
        setCursorPosition(kYear);
    if (given && event->key() == Qt::Key_Delete && at >= kYear && at < kAfterCentury)
        setCursorPosition(kAfterCentury);
    const int into = cursorPosition();
    if (blank) {
        // A blank typed at a digit's place leaves it empty, as the mask's blank does.
        QKeyEvent empty(event->type(), Qt::Key_Underscore, event->modifiers(), QString(kBlank));
        QLineEdit::keyPressEvent(&empty);
    } else {
        QLineEdit::keyPressEvent(event);
    }
    keepGivenCentury(shown.mid(kYear, 2), digit || blank);
    m_twoYearDigitsTyped = given && digit && into == kEnd - 1 && cursorPosition() == kEnd;
}

void TMaskEditDate::keepGivenCentury(const QString& centuryBefore, bool typed) {
    const QString shown = displayText();
    if (shown.mid(kYear) == QString(4, kBlank)) {
        // The year's cells emptied: the given century comes back.
        const int at = cursorPosition();
        setText(shown.left(kYear) + QStringLiteral("20") + QString(2, kBlank));
        setCursorPosition(at);
        m_centuryGiven = true;
    } else if (shown.mid(kYear, 2) != centuryBefore) {
        m_centuryGiven = false;
    }
    // After the month the typing goes on after the given century.
    const int at = cursorPosition();
    if (typed && centuryGiven() && at >= kYear && at < kAfterCentury)
        setCursorPosition(kAfterCentury);
}

void TMaskEditDate::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &TMaskEditDate::pasteDate);
    }
    menu->popup(event->globalPos());
}

void TMaskEditDate::normalise() {
    const QString shown = dateText();
    if (shown == kEmptyDateBox) {
        m_look.restore();
        return;
    }
    const QString date = NormaliseDateBoxText(shown);
    if (date.isEmpty()) {
        // The text stays for the operator to mend; a search refuses it.
        m_look.mark(kWrongDateHint);
        return;
    }
    setDateText(date);
}

void TMaskEditDate::focusInEvent(QFocusEvent* event) {
    m_look.entered();
    QLineEdit::focusInEvent(event);
}

void TMaskEditDate::focusOutEvent(QFocusEvent* event) {
    normalise();
    QLineEdit::focusOutEvent(event);
}
