#pragma once
// The main() of every test program: offscreen windows, the Greek locale (decimal
// comma), the application font, and the operator's settings in a temporary place.

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#define LETHORA_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QTemporaryDir settingsDir;                                                                 \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());     \
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());        \
        qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());                              \
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));                             \
        QApplication app(argc, argv);                                                              \
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));                            \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
