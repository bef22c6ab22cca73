// The register-export tool writes the workspace's exports to the path it is given.

#include "tests/support/TestMain.h"
#include "tests/workspace/RegisterFixture.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"

#include <QProcess>

class TestRegisterExportTool : public QObject {
    Q_OBJECT

    int tool(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(REGISTER_EXPORT), QStringList{fixture->folder().root(), afm} + args);
        p.waitForFinished(120000);
        return p.exitCode();
    }
    QByteArray part(const QString& file, const QString& name) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, name});
        unzip.waitForFinished(30000);
        return unzip.readAllStandardOutput();
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<RegisterFixture>(afm);
        set = generateRegister(afm, 60, 9);
        writeRegister(set, afm);
    }
    void cleanup() { fixture.reset(); }

    void writesTheRegisterAndTheProgression() {
        const QString registerFile = fixture->folder().path(QStringLiteral("register.xlsx"));
        QCOMPARE(tool({registerFile, "register", "--akinita", "11111111111111"}), 0);
        const QByteArray strings = part(registerFile, QStringLiteral("xl/sharedStrings.xml"));
        QVERIFY(strings.contains(
            set.declarations.first().value(QStringLiteral("DilCode")).toString().toUtf8()));
        QVERIFY(strings.contains("AKINHTA"));

        const QString progressionFile = fixture->folder().path(QStringLiteral("progression.xlsx"));
        const QString dilCode =
            set.declarations.first().value(QStringLiteral("DilCode")).toString();
        QCOMPARE(tool({progressionFile, "progression", dilCode, "1"}), 0);
        QVERIFY(part(progressionFile, QStringLiteral("xl/charts/chart1.xml")).contains("barChart"));
    }

    void refusesWhatItCannotDo() {
        const QString file = fixture->folder().path(QStringLiteral("x.xlsx"));
        QCOMPARE(tool({file, "register", "--mast", "12"}), 2); // not a tick string
        QCOMPARE(tool({file, "register", "--layout", "3"}), 2);
        QCOMPARE(tool({file, "chart"}), 2);
        QCOMPARE(tool({file, "register", "--mast", "1", "--mistotes", "0", "--trops", "0"}),
                 1);                                   // one column
        QCOMPARE(tool({file, "progression", "1"}), 1); // no such declaration
        QVERIFY(!QFile::exists(file));
    }

    // The new workbook does not fit on the disk of the old one: the old file stays whole
    // and nothing else is left there. The disk is a small memory file system mounted in
    // a mount namespace of the test's own (skipped where the system allows none).
    void aFullDiskLeavesTheOldWorkbookWhole() {
        const QString old = fixture->folder().path(QStringLiteral("old.xlsx"));
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the workbook of last month");
        file.close();
        const QString disk = fixture->folder().path(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(disk));
        const QString script =
            QStringLiteral("mount -t tmpfs -o size=8k tmpfs \"$1\" || exit 77\n"
                           "cp \"$2\" \"$1/out.xlsx\"\n"
                           "\"$3\" \"$4\" \"$5\" \"$1/out.xlsx\" register >/dev/null\n"
                           "echo \"exit $?\"\n"
                           "cmp -s \"$2\" \"$1/out.xlsx\" && echo kept\n"
                           "ls -A \"$1\"\n");
        QProcess p;
        p.start(QStringLiteral("unshare"),
                {QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                 QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                 QStringLiteral("sh"), disk, old, QStringLiteral(REGISTER_EXPORT),
                 fixture->folder().root(), afm});
        if (!p.waitForStarted())
            QSKIP("no unshare program here");
        QVERIFY(p.waitForFinished(120000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        // unshare or mount refused (no user namespaces here): nothing was run.
        if (!out.startsWith(QLatin1String("exit ")))
            QSKIP("no mount namespace for a small disk here");
        QCOMPARE(out, QStringLiteral("exit 1\nkept\nout.xlsx\n"));
    }

private:
    const QString afm = QStringLiteral("094014201");
    RegisterDataSet set;
    std::unique_ptr<RegisterFixture> fixture;
};

LETHORA_TEST_MAIN(TestRegisterExportTool)
#include "tst_register_export_tool.moc"
