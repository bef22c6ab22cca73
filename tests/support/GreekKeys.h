#pragma once
// Typing text that QTest::keyClicks cannot (it handles Latin-1 only): one key event
// per character, carrying the character as its text.

#include <QString>
#include <QWidget>
#include <QtTest>

inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}
