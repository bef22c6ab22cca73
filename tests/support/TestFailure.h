#pragma once
// Fails the test function that is running with a text of its own; outside a test
// function (a fixture built or ended around the tests) the program ends with the text.

#include <QByteArray>
#include <QString>
#include <QtTest>

inline void failRunningTest(const QString& text) {
    const QByteArray message = text.toUtf8();
    if (QTest::currentTestFunction())
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    else
        qFatal("%s", message.constData());
}
