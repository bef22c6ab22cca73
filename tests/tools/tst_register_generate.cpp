// The command-line generator: what it writes, when it refuses, and the owner's entry in
// the company register.

#include "store/TableCursor.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"

#include <QDir>

namespace {
const QString kOwner = QStringLiteral("094014201");

ToolRun generate(const QStringList& arguments) {
    return runTool(QStringLiteral(REGISTER_GENERATE), arguments);
}

// The owner's register as stored now; the files may have been replaced by the tool.
RegisterDataSet stored() {
    TableStore::instance().detachUnused();
    return readRegister(kOwner);
}

bool sameRegister(const RegisterDataSet& a, const RegisterDataSet& b) {
    return a.declarations == b.declarations && a.amendments == b.amendments &&
           a.properties == b.properties;
}
} // namespace

class TestRegisterGenerate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheSeedsRegisterIntoANewFolder() {
        TestFolder folder;
        const ToolRun run =
            generate({folder.root(), kOwner, QStringLiteral("60"), QStringLiteral("9")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("declarations: 60")), qPrintable(run.out));
        const RegisterDataSet expected = generateRegister(kOwner, 60, 9);
        QVERIFY(run.out.contains(QStringLiteral("properties: %1").arg(expected.properties.size())));
        QVERIFY(sameRegister(stored(), expected));
        // Without the option the company register is left alone.
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("Tables/Comps.db"))));
    }

    void refusesAFilledFolderUnlessToldToReplace() {
        TestFolder folder;
        QCOMPARE(
            generate({folder.root(), kOwner, QStringLiteral("30"), QStringLiteral("1")}).exitCode,
            0);
        const ToolRun refused =
            generate({folder.root(), kOwner, QStringLiteral("40"), QStringLiteral("2")});
        QVERIFY(refused.exitCode != 0);
        QVERIFY2(refused.err.contains(QStringLiteral("--replace")), qPrintable(refused.err));
        QVERIFY(sameRegister(stored(), generateRegister(kOwner, 30, 1)));

        const ToolRun replaced = generate({folder.root(), kOwner, QStringLiteral("40"),
                                           QStringLiteral("2"), QStringLiteral("--replace")});
        QCOMPARE(replaced.exitCode, 0);
        QVERIFY(sameRegister(stored(), generateRegister(kOwner, 40, 2)));
    }

    // This process writes the owner's declarations while the tool is asked to replace
    // them: the tool is refused, and this process's change still commits.
    void replacingIsRefusedWhileAnotherProcessWritesTheTables() {
        TestFolder folder;
        QCOMPARE(
            generate({folder.root(), kOwner, QStringLiteral("30"), QStringLiteral("1")}).exitCode,
            0);
        TableStore& store = TableStore::instance();
        const QString mast = TdmTables::companyTablePath(kOwner, QStringLiteral("MistDilMast"));
        store.acquire(mast);
        {
            TableStore::Transaction writing;
            store.exec(QStringLiteral("UPDATE ") + store.qualifiedName(mast) +
                       QStringLiteral(" SET Simiosis = 'σημείωση'"));
            const ToolRun replaced = generate({folder.root(), kOwner, QStringLiteral("40"),
                                               QStringLiteral("2"), QStringLiteral("--replace")});
            QCOMPARE(replaced.exitCode, 1);
            QVERIFY(!replaced.err.isEmpty());
            writing.commit();
        }
        store.release(mast);
        const RegisterDataSet kept = stored();
        QCOMPARE(kept.declarations.size(), 30);
        QCOMPARE(kept.declarations.first().value(QStringLiteral("Simiosis")).toString(),
                 QStringLiteral("σημείωση"));
    }

    void registersTheOwnerUnderTheGivenName() {
        TestFolder folder;
        const QString name = QStringLiteral("Καραγιάννης Οδυσσέας");
        const ToolRun run = generate({folder.root(), kOwner, QStringLiteral("20"),
                                      QStringLiteral("--register-owner"), name});
        QCOMPARE(run.exitCode, 0);
        TableCursor comps;
        comps.setTableName(QStringLiteral("Tables\\Comps.db"));
        comps.open();
        QVERIFY(comps.findKey({kOwner}));
        QCOMPARE(comps.text(QStringLiteral("CompName")), name);
        QCOMPARE(comps.text(QStringLiteral("UserName")), QStringLiteral("admin"));
        comps.close();
        TableCursor edra;
        edra.setTableName(TdmTables::companyTablePath(kOwner, QStringLiteral("Edra")));
        edra.open();
        QCOMPARE(edra.text(QStringLiteral("BigName")), name);
        edra.close();
        // The owner's name is the lessor's name in the declarations; the seed defaults to 1.
        QVERIFY(sameRegister(stored(), generateRegister(kOwner, 20, 1, name)));
    }

    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("invalid tax number")
            << QStringList{QStringLiteral("094014202"), QStringLiteral("10")};
        QTest::newRow("no count") << QStringList{kOwner};
        QTest::newRow("count not a number") << QStringList{kOwner, QStringLiteral("ten")};
        QTest::newRow("zero declarations") << QStringList{kOwner, QStringLiteral("0")};
        QTest::newRow("seed not a number")
            << QStringList{kOwner, QStringLiteral("10"), QStringLiteral("x")};
        QTest::newRow("owner without a name")
            << QStringList{kOwner, QStringLiteral("10"), QStringLiteral("--register-owner")};
        QTest::newRow("unknown option")
            << QStringList{kOwner, QStringLiteral("10"), QStringLiteral("--fast")};
    }
    void badArgumentsAreRefused() {
        QFETCH(QStringList, tail);
        TestFolder folder;
        const ToolRun run = generate(QStringList{folder.root()} + tail);
        QVERIFY(run.exitCode > 0);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFileInfo::exists(folder.path(QStringLiteral("Data/") + kOwner)));
    }

    void aFolderWithoutTemplatesIsRefused() {
        QTemporaryDir empty;
        const ToolRun run = generate({empty.path(), kOwner, QStringLiteral("10")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(QStringLiteral("ClrData")));
        QVERIFY(QDir(empty.path()).isEmpty());
    }
};

LETHORA_TEST_MAIN(TestRegisterGenerate)
#include "tst_register_generate.moc"
