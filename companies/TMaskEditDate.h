#pragma once
// A date box: day, month and four year digits, each digit optional; empty it reads
// "  /  /20  ", the century "20" given. Six typed digits fill day, month and the year
// after that century; eight give the year as typed. A pasted date fills the whole box.
// On leaving it a calendar date is written out in full ("01/03/2025"); any other text
// but the empty state stays as typed and the box is marked as wrong, as the tax-number
// box is.

#include "companies/WrongEntryLook.h"

#include <QLineEdit>

class TMaskEditDate : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEditDate(QWidget* parent = nullptr);
    // The box's text with blanks as spaces: "  /  /20  " when empty.
    QString dateText() const;
    // Sets a "DD/MM/YYYY" date, or the empty state for an empty text.
    void setDateText(const QString& date);
    // The check run on leaving the box.
    void normalise();
    // Whether the box is marked as holding no calendar date.
    bool isMarked() const { return m_look.isMarked(); }
    // Puts the clipboard's date into the box (Ctrl+V and the context menu's "Paste").
    void pasteDate();

    inline static const QString kWrongDateHint =
        QStringLiteral("Η ημερομηνία που δώσατε δεν είναι σωστή");

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Whether the year's first two cells hold the given century "20", not typed there.
    bool centuryGiven() const;
    // After an edit: empty year cells get the given century back, and a century changed by
    // the edit is the operator's own.
    void keepGivenCentury(const QString& centuryBefore, bool typed);

    WrongEntryLook m_look{*this};
    // The century came with the box (empty state or a date set); typing it cancels this.
    bool m_centuryGiven = true;
    // The two year digits after the given century were typed just now: a further digit
    // makes a four-digit year of the three typed.
    bool m_twoYearDigitsTyped = false;
};
