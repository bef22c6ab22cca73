#pragma once
// A date box: day, month, the fixed century "20" and two year digits, each digit
// optional; empty it reads "  /  /20  ". On leaving it a calendar date is written out
// in full ("01/03/2025") and anything else empties the box.

#include <QLineEdit>

class TMaskEditDate : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEditDate(QWidget* parent = nullptr);
    // The box's text with blanks as spaces: "  /  /20  " when empty.
    QString dateText() const;
    // Sets a "DD/MM/YYYY" date, or the empty state for an empty text.
    void setDateText(const QString& date);
    // The normalisation run on leaving the box.
    void normalise();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
