#pragma once
// The main() of every test program: offscreen windows, the Greek locale (decimal
// comma), the application font, and the operator's settings and own files in a
// temporary place.

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "common/DialogRunner.h"
#include "common/Messages.h"
#include "tests/support/PrivateServer.h"
#include "tests/support/TestFailure.h"

// Answers every message and dialog that a test did not expect, so that nothing waits
// for a person: the running test fails with the text, and a question is answered No.
class UnexpectedMessages : public MessageSeam {
public:
    void showMessage(const QString& text) override {
        failRunningTest(QStringLiteral("unexpected message: ") + text);
    }
    void showError(const QString& text) override {
        failRunningTest(QStringLiteral("unexpected error report: ") + text);
    }
    bool askYesNo(const QString& text) override {
        failRunningTest(QStringLiteral("unexpected question: ") + text);
        return false;
    }
    bool askOkCancel(const QString& text) override { return askYesNo(text); }
    QString askSaveFileName(const QString& proposedPath, const QString&) override {
        failRunningTest(QStringLiteral("unexpected file dialog: ") + proposedPath);
        return {};
    }
};

// Dialogs that no test answers are closed at once, and the running test fails.
inline void rejectUnexpectedDialogs() {
    setDialogRunner([](QDialog& dialog) -> int {
        failRunningTest(QStringLiteral("unexpected dialog: ") + dialog.objectName() +
                        QStringLiteral(" \"") + dialog.windowTitle() + QStringLiteral("\""));
        return QDialog::Rejected;
    });
}

inline void installTestSeams() {
    static UnexpectedMessages unexpected;
    setMessages(&unexpected);
    rejectUnexpectedDialogs();
}

#define LETHORA_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QTemporaryDir settingsDir;                                                                 \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());     \
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());        \
        qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());                              \
        qputenv("XDG_DATA_HOME", settingsDir.path().toLocal8Bit());                                \
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));                             \
        QApplication app(argc, argv);                                                              \
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));                            \
        installTestSeams();                                                                        \
        TestClass test;                                                                            \
        const int failures = QTest::qExec(&test, argc, argv);                                      \
        PrivateServer::stopAll();                                                                  \
        return failures;                                                                           \
    }
