// The command-line tools given what they cannot use: each ends with its exit status and a
// message on standard error, and leaves the working folder exactly as it was (no file
// removed, replaced or half written) and nothing in the temporary folder.

#include "companies/CompanyLock.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/fakeplatform/PlatformSubmissions.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <sys/stat.h>

namespace {
const QString kOwner = QStringLiteral("094014201");
const QString kNewOwner = QStringLiteral("123456783");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every entry below the folder: its kind, and a regular file's size and content.
QMap<QString, QString> snapshot(const QString& folder) {
    QMap<QString, QString> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString kind = info.isDir() ? QStringLiteral("folder") : QStringLiteral("other");
        if (info.isFile()) {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            kind = QString::fromLatin1(
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        }
        entries.insert(QDir(folder).relativeFilePath(info.filePath()), kind);
    }
    return entries;
}
} // namespace

class TestToolFailures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The working folder: an owner with a register, open in the application (its lock
    // file); an old workbook; a pipe; pages that are no details page of the number
    // asked for; and a file "Tables" where the shared tables' folder should be.
    void initTestCase() {
        // Qt's run-time folder of the tools, kept out of the temporary folder watched below.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        folder = std::make_unique<TestFolder>();
        QDir().mkpath(folder->path(QStringLiteral("Data/") + kOwner));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + kOwner);
        const RegisterDataSet set = generateRegister(kOwner, 30, 4);
        writeRegister(set, kOwner);
        TableStore::instance().detachUnused();
        QCOMPARE(CompanyLock::acquire(kOwner, QStringLiteral("another-installation")),
                 CompanyLock::Outcome::Acquired);
        writeFile(folder->path(QStringLiteral("old.xlsx")), "the workbook of last month");
        QCOMPARE(
            ::mkfifo(QFile::encodeName(folder->path(QStringLiteral("pipe"))).constData(), 0600), 0);
        writeFile(folder->path(QStringLiteral("Tables")), "not a folder");
        QDir().mkpath(folder->path(QStringLiteral("pages")));
        writeFile(folder->path(QStringLiteral("pages/empty.html")), {});
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 7919) % 256));
        writeFile(folder->path(QStringLiteral("pages/binary.html")), binary);
        writeFile(folder->path(QStringLiteral("pages/redirect.html")),
                  "<html><head><meta http-equiv=\"refresh\" content=\"0; url=elsewhere.html\">"
                  "<script>location.href = 'elsewhere.html';</script></head>"
                  "<body>Μεταφορά…</body></html>");
        const PlatformSubmission submission = platformSubmissions(set).first();
        number = submission.number;
        writeFile(folder->path(QStringLiteral("pages/details.html")),
                  DeclarationPage::page(submission, QStringLiteral("Χρήστης: owner")).toUtf8());
    }
    void cleanupTestCase() { folder.reset(); }

    void failsAndChangesNothing_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const QString exportTool = QStringLiteral(REGISTER_EXPORT);
        const QString pageTool = QStringLiteral(READ_DECLARATION_PAGE);
        const QString generateTool = QStringLiteral(REGISTER_GENERATE);
        const QStringList exportTo = {QStringLiteral("@root"), kOwner};
        const QStringList register_ = {QStringLiteral("register")};
        QTest::newRow("export into a missing folder")
            << exportTool << exportTo + QStringList{"@missing/out.xlsx"} + register_ << 1;
        QTest::newRow("export into a folder that takes no files")
            << exportTool << exportTo + QStringList{"/proc/lethora-out.xlsx"} + register_ << 1;
        QTest::newRow("export onto a folder")
            << exportTool << exportTo + QStringList{"@pages"} + register_ << 1;
        QTest::newRow("export to an empty path")
            << exportTool << exportTo + QStringList{""} + register_ << 2;
        QTest::newRow("export onto a pipe")
            << exportTool << exportTo + QStringList{"@pipe"} + register_ << 1;
        QTest::newRow("export of the adjustable without dates")
            << exportTool << exportTo + QStringList{"@old.xlsx", "register", "--adjustable"} << 1;
        const QStringList pageArguments = {number, QStringLiteral("Υποβεβλημένο"),
                                           QStringLiteral("Αρχική")};
        for (const char* page : {"empty", "binary", "redirect"})
            QTest::newRow(qPrintable(QStringLiteral("page %1").arg(QLatin1String(page))))
                << pageTool
                << QStringList{"--scripted",
                               QStringLiteral("@pages/%1.html").arg(QLatin1String(page))} +
                       pageArguments
                << 1;
        QTest::newRow("page redirect, in Chromium")
            << pageTool << QStringList{"@pages/redirect.html"} + pageArguments << 1;
        QTest::newRow("page of another declaration")
            << pageTool
            << QStringList{"--scripted", "@pages/details.html", number + QStringLiteral("7"),
                           QStringLiteral("Υποβεβλημένο"), QStringLiteral("Αρχική")}
            << 1;
        QTest::newRow("page from a pipe")
            << pageTool << QStringList{"--scripted", "@pipe"} + pageArguments << 1;
        QTest::newRow("generate more declarations than memory holds")
            << generateTool << QStringList{"@root", kNewOwner, "2000000000"} << 2;
        QTest::newRow("generate over a company that is open")
            << generateTool << QStringList{"@root", kOwner, "10", "--replace"} << 1;
        QTest::newRow("generate with an owner that cannot be registered")
            << generateTool << QStringList{"@root", kNewOwner, "10", "--register-owner", "Όνομα"}
            << 1;
    }
    void failsAndChangesNothing() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        for (QString& argument : arguments)
            if (argument.startsWith(QLatin1Char('@')))
                argument = argument == QLatin1String("@root") ? folder->root()
                                                              : folder->path(argument.mid(1));
        const QMap<QString, QString> before = snapshot(folder->root());
        QTemporaryDir scratch;
        const QByteArray previousTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(scratch.path()));
        const ToolRun run = runTool(program, arguments);
        qputenv("TMPDIR", previousTemp);

        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.trimmed().isEmpty());
        QCOMPARE(snapshot(folder->root()), before);
        QVERIFY(QDir(scratch.path()).isEmpty());
    }

    // A column missing from a damaged table file is an error that names it, and no
    // workbook is written: never the column's name in its cells.
    void aColumnMissingFromATableIsNamed() {
        TestFolder damaged;
        QDir().mkpath(damaged.path(QStringLiteral("Data/") + kNewOwner));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + kNewOwner);
        writeRegister(generateRegister(kNewOwner, 5, 4), kNewOwner);
        TableStore& store = TableStore::instance();
        const QString mast = TdmTables::companyTablePath(kNewOwner, QStringLiteral("MistDilMast"));
        store.acquire(mast);
        store.exec(QStringLiteral("ALTER TABLE ") + store.qualifiedName(mast) +
                   QStringLiteral(" DROP COLUMN MistName1"));
        store.release(mast);
        store.detachUnused();
        const QString out = damaged.path(QStringLiteral("out.xlsx"));
        const ToolRun run = runTool(QStringLiteral(REGISTER_EXPORT),
                                    {damaged.root(), kNewOwner, out, QStringLiteral("register")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("MistName1")), qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
    }

    // A folder whose settings name a store that does not exist: every tool that reads the
    // register says so and ends with 1, none aborts.
    void reportsAStoreItCannotOpen_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("register-filter")
            << QStringLiteral(REGISTER_FILTER) << QStringList{kOwner, "filter", "--stage", "0"};
        QTest::newRow("office-overview")
            << QStringLiteral(OFFICE_OVERVIEW) << QStringList{"unfinished"};
        QTest::newRow("register-export")
            << QStringLiteral(REGISTER_EXPORT) << QStringList{kOwner, "@out.xlsx", "register"};
        QTest::newRow("register-generate")
            << QStringLiteral(REGISTER_GENERATE) << QStringList{kNewOwner, "10"};
    }
    void reportsAStoreItCannotOpen() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QTemporaryDir office;
        copyFolder(folder->path(QStringLiteral("ClrData")),
                   office.filePath(QStringLiteral("ClrData")));
        QDir(office.path()).mkpath(QStringLiteral("Data/") + kOwner);
        writeFile(office.filePath(QStringLiteral("settings.ini")), "[Store]\nEngine=oracle\n");
        for (QString& argument : arguments)
            if (argument.startsWith(QLatin1Char('@')))
                argument = office.filePath(argument.mid(1));
        const ToolRun run = runTool(program, QStringList{office.path()} + arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("oracle")), qPrintable(run.err));
        QVERIFY(reasonIsGreek(run));
    }

private:
    QTemporaryDir runtime;
    std::unique_ptr<TestFolder> folder;
    QString number;
};

LETHORA_TEST_MAIN(TestToolFailures)
#include "tst_tool_failures.moc"
