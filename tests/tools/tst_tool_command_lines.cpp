// Every command-line tool explains itself: --help prints its usage on standard output,
// --version the application's version, both with exit status 0; an option it does not
// know ends it with exit status 2, the option named and the usage on standard error.

#include "common/AppVersion.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tests/tools/ToolPaths.h"

class TestToolCommandLines : public QObject {
    Q_OBJECT
    QTemporaryDir runtime;

private Q_SLOTS:
    // Qt's run-time folder of the tools that open a window system, so that they say nothing
    // about a missing one.
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path())); }

    void explainsItself_data() {
        QTest::addColumn<QString>("program");
        for (const ToolPath& tool : kToolPaths)
            QTest::newRow(tool.name) << QString::fromLocal8Bit(tool.path);
    }
    void explainsItself() {
        QFETCH(QString, program);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QString usage = QStringLiteral("χρήση: ") + name + QLatin1Char(' ');

        const ToolRun help = runTool(program, {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(usage), qPrintable(help.out));
        QVERIFY2(help.out.contains(QStringLiteral("--version")), qPrintable(help.out));
        QCOMPARE(help.err, QString());

        const ToolRun version = runTool(program, {QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, name + QLatin1Char(' ') + versionLine());
        QVERIFY(version.out.contains(kAppVersionText));

        const ToolRun wrong = runTool(program, {QStringLiteral("--no-such-option")});
        QCOMPARE(wrong.exitCode, 2);
        QVERIFY2(wrong.err.startsWith(name + QStringLiteral(": ")), qPrintable(wrong.err));
        QVERIFY2(wrong.err.contains(QStringLiteral("άγνωστη επιλογή --no-such-option.")),
                 qPrintable(wrong.err));
        QVERIFY2(wrong.err.contains(usage), qPrintable(wrong.err));
        QCOMPARE(wrong.out, QString());
    }
};

LETHORA_TEST_MAIN(TestToolCommandLines)
#include "tst_tool_command_lines.moc"
