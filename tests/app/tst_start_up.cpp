// Start-up before the login: the command line, the data folder and where the table
// templates come from.

#include "app/CommandLine.h"
#include "app/DataFolderChoice.h"
#include "app/StartUp.h"
#include "app/TfiDataFolder.h"
#include "common/DataFolder.h"
#include "common/DialogRunner.h"
#include "common/WorkFolder.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>

namespace {
// The program run with the arguments where no window system can be reached.
struct Run {
    int status = -1;
    QString out, err;
};
Run runProgram(const QStringList& arguments, bool withDisplay) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!withDisplay) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LETHORA_TEMPLATE_DIR "/lethora"), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    QString home;
    std::unique_ptr<QTemporaryDir> scratch;
    QStringList proposals; // the folders the question proposed, in order
    QStringList answers;   // typed into the question; an empty text leaves it

    // The question of the first start answered from `answers`.
    void answerQuestions() {
        setDialogRunner([this](QDialog& dialog) -> int {
            auto* question = qobject_cast<TfiDataFolder*>(&dialog);
            if (!question)
                return QDialog::Rejected;
            proposals << question->edFolder->text();
            if (answers.isEmpty())
                return QDialog::Rejected;
            const QString answer = answers.takeFirst();
            if (answer.isEmpty())
                return QDialog::Rejected;
            question->edFolder->setText(answer);
            return QDialog::Accepted;
        });
    }
    QString in(const QString& relative) const {
        return scratch->path() + QLatin1Char('/') + relative;
    }

private Q_SLOTS:
    void init() {
        scratch = std::make_unique<QTemporaryDir>();
        home = in(QStringLiteral("home"));
        QDir().mkpath(home);
        qputenv("HOME", home.toLocal8Bit());
        DataFolder::remember(QString());
        proposals.clear();
        answers.clear();
        answerQuestions();
        // A file, so that neither it nor a folder under it can hold the data.
        QFile file(in(QStringLiteral("a-file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    void cleanup() { rejectUnexpectedDialogs(); }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("folder");
        using A = CommandLine::Action;
        QTest::newRow("none") << QStringList{} << int(A::Run) << QString();
        QTest::newRow("data") << QStringList{"--data", "/srv/γραφείο"} << int(A::Run)
                              << QStringLiteral("/srv/γραφείο");
        QTest::newRow("data=") << QStringList{"--data=/srv/x"} << int(A::Run) << "/srv/x";
        QTest::newRow("version") << QStringList{"--version"} << int(A::Version) << QString();
        QTest::newRow("help after data")
            << QStringList{"--data", "/x", "--help"} << int(A::Help) << "/x";
        QTest::newRow("data without folder") << QStringList{"--data"} << int(A::Wrong) << QString();
        QTest::newRow("empty data=") << QStringList{"--data="} << int(A::Wrong) << QString();
        QTest::newRow("unknown before version")
            << QStringList{"--verbose", "--version"} << int(A::Wrong) << QString();
        QTest::newRow("stray argument") << QStringList{"/x"} << int(A::Wrong) << QString();
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, folder);
        const CommandLine line = parseCommandLine(arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.dataFolder, folder);
        QCOMPARE(line.wrong.isEmpty(), line.action != CommandLine::Action::Wrong);
    }

    // --version and --help answer without a window system; anything else unknown is
    // refused with status 2 and named.
    void theProgramAnswersItsOptions() {
        const Run version = runProgram({QStringLiteral("--version")}, false);
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("Quindel Lethora 2025 (ver 06.21)\n"));
        const Run help = runProgram({QStringLiteral("--help")}, false);
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QStringLiteral("--data ΦΑΚΕΛΟΣ")));
        const Run wrong = runProgram({QStringLiteral("--bogus")}, true);
        QCOMPARE(wrong.status, 2);
        QVERIFY(wrong.err.contains(QStringLiteral("--bogus")));
        QVERIFY(wrong.out.isEmpty());
    }

    // The package's version and the program's own version text are one version.
    void thePackageCarriesTheProgramsVersion() {
        const QStringList parts = QStringLiteral(LETHORA_PACKAGE_VERSION).split(QLatin1Char('.'));
        QCOMPARE(parts.size(), 3);
        QCOMPARE(versionText().trimmed(),
                 QStringLiteral("Quindel Lethora %1 (ver %2.%3)")
                     .arg(parts.at(0), parts.at(1).rightJustified(2, QLatin1Char('0')),
                          parts.at(2).rightJustified(2, QLatin1Char('0'))));
    }

    void theFolderToUse_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("expected");     // "" when the program is to end
        QTest::addColumn<QStringList>("proposed"); // what the question proposed each time
        QTest::addColumn<QStringList>("refused");  // the folders named by messages
        QTest::addColumn<QString>("rememberedAfter");
        const QString def = QStringLiteral("@home/Lethora");
        QTest::newRow("first start, proposal taken")
            << QString() << QString() << QStringList{def} << def << QStringList{def}
            << QStringList{} << def;
        QTest::newRow("first start, another folder")
            << QString() << QString() << QStringList{"@/shared/office"} << "@/shared/office"
            << QStringList{def} << QStringList{} << "@/shared/office";
        QTest::newRow("first start, left") << QString() << QString() << QStringList{""} << QString()
                                           << QStringList{def} << QStringList{} << QString();
        QTest::newRow("a file refused, asked again")
            << QString() << QString() << QStringList{"@/a-file", "@/ok"} << "@/ok"
            << QStringList{def, "@/a-file"} << QStringList{"@/a-file"} << "@/ok";
        QTest::newRow("a folder under a file refused, then left")
            << QString() << QString() << QStringList{"@/a-file/sub", ""} << QString()
            << QStringList{def, "@/a-file/sub"} << QStringList{"@/a-file/sub"} << QString();
        QTest::newRow("remembered") << QString() << "@/kept" << QStringList{} << "@/kept"
                                    << QStringList{} << QStringList{} << "@/kept";
        QTest::newRow("remembered cannot be written")
            << QString() << "@/a-file" << QStringList{"@/other"} << "@/other"
            << QStringList{"@/a-file"} << QStringList{"@/a-file"} << "@/other";
        QTest::newRow("command line over remembered")
            << "@/given"
            << "@/kept" << QStringList{} << "@/given" << QStringList{} << QStringList{} << "@/kept";
        QTest::newRow("command line cannot be written")
            << "@/a-file" << QString() << QStringList{} << QString() << QStringList{}
            << QStringList{"@/a-file"} << QString();
    }
    void theFolderToUse() {
        QFETCH(QString, commandLine);
        QFETCH(QString, remembered);
        QFETCH(QStringList, typed);
        QFETCH(QString, expected);
        QFETCH(QStringList, proposed);
        QFETCH(QStringList, refused);
        QFETCH(QString, rememberedAfter);
        auto at = [this](QString text) {
            text.replace(QStringLiteral("@home"), home);
            text.replace(QLatin1Char('@'), scratch->path());
            return text;
        };
        auto allAt = [&](QStringList list) {
            for (QString& text : list)
                text = at(text);
            return list;
        };
        DataFolder::remember(at(remembered));
        answers = allAt(typed);
        RecordingMessages messages;
        const QString program = in(QStringLiteral("usr/bin"));
        QDir().mkpath(program);

        QCOMPARE(chooseDataFolder(at(commandLine), program), at(expected));
        QCOMPARE(proposals, allAt(proposed));
        QCOMPARE(messages.shown.size(), refused.size());
        for (int i = 0; i < refused.size(); ++i)
            QVERIFY2(messages.shown.at(i).contains(at(refused.at(i))),
                     qPrintable(messages.shown.at(i)));
        QCOMPARE(DataFolder::remembered(), at(rememberedAfter));
        if (!expected.isEmpty())
            QVERIFY(QFileInfo(at(expected)).isDir());
    }

    // Run from the build tree, the program's own folder is the data folder whatever is
    // remembered, and nothing is asked.
    void theBuildTreeKeepsItsWorkFolder() {
        const QString program = in(QStringLiteral("build/work"));
        QDir().mkpath(program + QStringLiteral("/ClrTbls"));
        QDir().mkpath(program + QStringLiteral("/ClrData"));
        DataFolder::remember(in(QStringLiteral("kept")));
        QCOMPARE(chooseDataFolder(QString(), program), program);
        QVERIFY(proposals.isEmpty());
    }

    // Installed, the data folder holds no templates: the tables are made from the
    // installed ones; a template of the data folder's own is preferred.
    void tablesComeFromTheInstalledTemplates() {
        const QString installed = in(QStringLiteral("usr/share/lethora"));
        copyFolder(QStringLiteral(LETHORA_TEMPLATE_DIR "/ClrTbls"), installed + "/ClrTbls");
        copyFolder(QStringLiteral(LETHORA_TEMPLATE_DIR "/ClrData"), installed + "/ClrData");
        const QString program = in(QStringLiteral("usr/bin"));
        QDir().mkpath(program);
        const QString data = in(QStringLiteral("data"));
        QDir().mkpath(data);
        const QString previousRoot = WorkFolder::root();
        const QString previousCurrent = QDir::currentPath();
        useDataFolder(data, program);
        QCOMPARE(WorkFolder::templateRoot(), installed);
        QCOMPARE(WorkFolder::templatePath(QStringLiteral("ClrTbls\\Users.db")),
                 installed + QStringLiteral("/ClrTbls/Users.db"));
        dmTables().EnsureUsersTable();
        QVERIFY(QFileInfo(data + QStringLiteral("/Tables/Users.db")).size() > 0);
        QVERIFY(QFileInfo(data + QStringLiteral("/Data")).isDir());
        copyFolder(installed + "/ClrData", data + "/ClrData");
        QCOMPARE(WorkFolder::templatePath(QStringLiteral("ClrData/Edra.DB")),
                 data + QStringLiteral("/ClrData/Edra.DB"));
        TableStore::instance().detachUnused();
        WorkFolder::setRoot(previousRoot);
        WorkFolder::setTemplateRoot(QString());
        QDir::setCurrent(previousCurrent);
    }

    // The window system adds the application's display name to every title unless
    // none is set; the titles must read as the windows give them.
    void noNameIsAddedToTheTitles() {
        prepareApplication();
        const QString previous = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
        QCoreApplication::setApplicationName(previous);
    }
};

LETHORA_TEST_MAIN(TestStartUp)
#include "tst_start_up.moc"
