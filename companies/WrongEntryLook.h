#pragma once
// The look of an entry box that holds a wrong value: red background, white bold font and
// a hint, which is shown at once. The box's own look is saved first and given back when
// the box is entered again or holds a right value.

#include <QFont>
#include <QPalette>
#include <QString>

class QLineEdit;

class WrongEntryLook {
public:
    explicit WrongEntryLook(QLineEdit& box);
    bool isMarked() const { return m_marked; }
    void mark(const QString& hint);
    void restore();
    // On entry into the box: a marked box gets its own look back, another one saves it.
    void entered();

private:
    void save();

    QLineEdit& m_box;
    QPalette m_savedPalette;
    QFont m_savedFont;
    QString m_savedHint;
    bool m_marked = false;
};
