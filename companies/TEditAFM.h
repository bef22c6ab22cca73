#pragma once
// A tax-number box that marks an invalid number when it loses the focus: red
// background, white bold font and a hint. On the next entry it gets its own look back.

#include "companies/WrongEntryLook.h"

#include <QLineEdit>

class TEditAFM : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditAFM(QWidget* parent = nullptr);
    // Whether the box is marked as holding an invalid tax number.
    bool isMarked() const { return m_look.isMarked(); }

    inline static const QString kInvalidHint = QStringLiteral("Το ΑΦΜ που δώσατε δεν είναι σωστό");

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    WrongEntryLook m_look{*this};
};
