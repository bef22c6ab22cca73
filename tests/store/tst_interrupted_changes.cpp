// A change over several table files of the folder store, interrupted at any moment by
// killing its process, is found whole or absent by the next workstation, also when that
// workstation mounts the folder at another path. Each change runs in a process of its
// own that the store stops after its n-th write to a file (LETHORA_STORE_HALT_AFTER),
// for every n until the change ends; the test kills the process there.

#include "common/WorkFolder.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tests/workspace/RegisterFixture.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>

namespace {
const QString kAfm = QStringLiteral("123456783");
const QString kTemporarilySaved = QStringLiteral("Προσωρινά Αποθηκευμένο");

// Every row of the company's three declaration tables, in key order.
QStringList contents() {
    QStringList rows;
    for (const auto& [table, order] :
         {std::pair{"MistDilMast", "DilCode"}, std::pair{"MistDilDet", "DilCode, TropDilCode"},
          std::pair{"MistDilAkinita", "DilCode, AA"}}) {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT * FROM '") +
                 TdmTables::companyTablePath(kAfm, QString::fromLatin1(table)) +
                 QStringLiteral("' ORDER BY ") + QString::fromLatin1(order));
        q.open();
        for (q.first(); !q.eof(); q.next()) {
            QStringList values{QString::fromLatin1(table)};
            for (const QString& name : q.fieldNames())
                values << q.value(name).toString();
            rows << values.join(QLatin1Char('|'));
        }
    }
    TableStore::instance().detachUnused();
    return rows;
}

enum class Run { Ended, Halted };

// Runs the writer, stopped by the store after its n-th write (never when n is 0), and
// kills it where it stopped.
Run runUntilHalted(const QString& program, const QStringList& arguments, int n) {
    QProcess writer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (n > 0)
        environment.insert(QStringLiteral("LETHORA_STORE_HALT_AFTER"), QString::number(n));
    writer.setProcessEnvironment(environment);
    writer.setProcessChannelMode(QProcess::MergedChannels);
    writer.start(program, arguments);
    QByteArray said;
    for (;;) {
        said += writer.readAll();
        if (said.contains("lethora-store: halted")) {
            writer.kill(); // SIGKILL
            writer.waitForFinished(60000);
            return Run::Halted;
        }
        if (writer.state() == QProcess::NotRunning)
            break;
        if (!writer.waitForReadyRead(120000) && writer.state() != QProcess::NotRunning) {
            writer.kill();
            writer.waitForFinished(60000);
            QTest::qFail(qPrintable(QStringLiteral("the writer did not end")), __FILE__, __LINE__);
            return Run::Ended;
        }
    }
    if (writer.exitStatus() != QProcess::NormalExit || writer.exitCode() != 0)
        QTest::qFail(said.constData(), __FILE__, __LINE__);
    return Run::Ended;
}
} // namespace

class TestInterruptedChanges : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aChangeOverSeveralTablesIsWholeOrAbsent_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("import of a declaration") << "import";
        QTest::newRow("refresh of a declaration") << "refresh";
        QTest::newRow("deletion of the temporarily saved") << "delete";
        QTest::newRow("register-generate --replace") << "generate";
    }
    void aChangeOverSeveralTablesIsWholeOrAbsent() {
        QFETCH(QString, change);
        RegisterFixture fixture(kAfm);
        const QString root = fixture.folder().root();
        const QString moved = root + QStringLiteral("-elsewhere");
        const QString company = fixture.folder().path(QStringLiteral("Data/") + kAfm);
        QString program = QStringLiteral(CHANGE_WRITER);
        QStringList arguments{root, kAfm, change};

        const QVariantMap temporary{{QStringLiteral("StadioYpovolis"), kTemporarilySaved}};
        if (change == QLatin1String("refresh")) {
            fixture.declaration(4501);
            fixture.property(4501, 1);
        } else if (change == QLatin1String("delete")) {
            fixture.declaration(4501, temporary);
            fixture.property(4501, 1);
            fixture.property(4501, 2);
            fixture.amendment(4501, 4601, temporary);
            fixture.declaration(4502);
            fixture.property(4502, 1);
            fixture.amendment(4502, 4602, temporary);
        } else if (change == QLatin1String("generate")) {
            program = QStringLiteral(REGISTER_GENERATE);
            TableStore::instance().detachUnused();
            QCOMPARE(runUntilHalted(program, {root, kAfm, QStringLiteral("2")}, 0), Run::Ended);
            arguments = QStringList{root, kAfm, QStringLiteral("3"), QStringLiteral("2"),
                                    QStringLiteral("--replace")};
        }
        const QStringList before = contents();

        // The tables as they were, put back before each run.
        QTemporaryDir saved;
        for (const QString& file : QDir(company).entryList({QStringLiteral("*.DB")}))
            QVERIFY(QFile::copy(company + QLatin1Char('/') + file, saved.filePath(file)));
        auto restore = [&] {
            TableStore::instance().detachUnused();
            QDir folder(company);
            for (const QString& left : folder.entryList(
                     {QStringLiteral("*-journal"), QStringLiteral("InUse.lck")}, QDir::Files))
                QVERIFY(folder.remove(left));
            for (const QString& file : QDir(saved.path()).entryList(QDir::Files)) {
                QFile::remove(folder.filePath(file));
                QVERIFY(QFile::copy(saved.filePath(file), folder.filePath(file)));
            }
        };

        QCOMPARE(runUntilHalted(program, arguments, 0), Run::Ended);
        const QStringList after = contents();
        QVERIFY(after != before);

        int absent = 0, whole = 0;
        for (int n = 1;; ++n) {
            restore();
            if (runUntilHalted(program, arguments, n) == Run::Ended) {
                QCOMPARE(contents(), after);
                break;
            }
            // Every other time the next workstation mounts the folder elsewhere.
            const bool elsewhere = n % 2 == 1;
            if (elsewhere) {
                QVERIFY(QDir().rename(root, moved));
                WorkFolder::setRoot(moved);
            }
            const auto back = qScopeGuard([&] {
                if (elsewhere) {
                    WorkFolder::setRoot(root);
                    TableStore::instance().connect(); // lets the moved folder go
                    QDir().rename(moved, root);
                }
            });
            const QStringList found = contents();
            if (found == before)
                ++absent;
            else if (found == after)
                ++whole;
            else
                QFAIL(qPrintable(QStringLiteral("stopped after write %1, found a part of the "
                                                "change:\n")
                                     .arg(n) +
                                 found.join(QLatin1Char('\n'))));
        }
        // The runs stopped on both sides of the commit.
        QVERIFY(absent > 0);
        QVERIFY(whole > 0);
    }
};

LETHORA_TEST_MAIN(TestInterruptedChanges)
#include "tst_interrupted_changes.moc"
