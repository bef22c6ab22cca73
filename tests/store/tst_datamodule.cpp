// Creating, resetting and attaching tables from their templates.

#include "store/StoreError.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <sys/stat.h>

class TestDataModule : public QObject {
    Q_OBJECT

    int rows(const QString& tablePath) {
        TableCursor c;
        c.setTableName(tablePath);
        c.open();
        return c.recordCount();
    }

    void addRow(const QString& tablePath, const QString& field, const QVariant& value) {
        TableCursor c;
        c.setTableName(tablePath);
        c.open();
        c.insert();
        c.setValue(field, value);
        c.post();
    }

    // The file's permission bits as the octal number ls shows (0644).
    int modeOf(const QString& path) {
        const QFile::Permissions p = QFile::permissions(path);
        const QFile::Permission bits[] = {QFile::ReadOwner, QFile::WriteOwner, QFile::ExeOwner,
                                          QFile::ReadGroup, QFile::WriteGroup, QFile::ExeGroup,
                                          QFile::ReadOther, QFile::WriteOther, QFile::ExeOther};
        int mode = 0;
        for (const QFile::Permission bit : bits)
            mode = mode * 2 + (p.testFlag(bit) ? 1 : 0);
        return mode;
    }

private Q_SLOTS:
    // Table files get what the process's umask gives, never more than the template's
    // readers.
    void tablesTakeTheUmasksPermissions_data() {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("templateMode");
        QTest::addColumn<int>("tableMode");
        QTest::newRow("private") << 0077 << 0644 << 0600;
        QTest::newRow("usual") << 0022 << 0644 << 0644;
        QTest::newRow("shared group") << 0007 << 0644 << 0660;
        QTest::newRow("private template") << 0002 << 0600 << 0600;
    }
    void tablesTakeTheUmasksPermissions() {
        QFETCH(int, umask);
        QFETCH(int, templateMode);
        QFETCH(int, tableMode);
        TestFolder folder;
        for (const char* file : {"ClrTbls/Users.db", "ClrData/Edra.DB"})
            QVERIFY(::chmod(QFile::encodeName(folder.path(QLatin1String(file))).constData(),
                            mode_t(templateMode)) == 0);
        QDir().mkpath(folder.path(QStringLiteral("Data/094000000")));
        const mode_t previous = ::umask(mode_t(umask));
        dmTables().EnsureUsersTable();
        dmTables().CreateCompanyTables(QStringLiteral("Data\\094000000"));
        ::umask(previous);
        QCOMPARE(modeOf(folder.path(QStringLiteral("Tables/Users.db"))), tableMode);
        QCOMPARE(modeOf(folder.path(QStringLiteral("Data/094000000/Edra.DB"))), tableMode);
    }

    void aFreshFolderGetsUsersWithAdminOnly() {
        TestFolder folder;
        QVERIFY(!QFileInfo::exists(folder.path(QStringLiteral("Tables"))));
        dmTables().EnsureUsersTable();
        QVERIFY(QFileInfo::exists(folder.path(QStringLiteral("Tables/Users.db"))));
        QVERIFY(!QFileInfo::exists(folder.path(QStringLiteral("Tables/Comps.db"))));
        TableCursor& users = dmTables().tblUsers;
        users.open();
        QCOMPARE(users.recordCount(), 1);
        QCOMPARE(users.text(QStringLiteral("UserName")), QStringLiteral("admin"));
        QCOMPARE(users.text(QStringLiteral("Pass")), QString());
        QCOMPARE(users.text(QStringLiteral("Rights")), QStringLiteral("D"));
        users.close();
    }

    void ensuringTwiceKeepsWhatWasWritten() {
        TestFolder folder;
        dmTables().EnsureUsersTable();
        addRow(QStringLiteral("Tables\\Users.db"), QStringLiteral("UserName"),
               QStringLiteral("maria"));
        dmTables().EnsureUsersTable();
        QCOMPARE(rows(QStringLiteral("Tables\\Users.db")), 2);
        dmTables().EnsureSharedTables();
        addRow(QStringLiteral("Tables\\Comps.db"), QStringLiteral("AFM"), QStringLiteral("1"));
        dmTables().EnsureSharedTables();
        QCOMPARE(rows(QStringLiteral("Tables\\Comps.db")), 1);
        QCOMPARE(rows(QStringLiteral("Tables\\MistDilProtypa.db")), 0);
    }

    void resetEmptiesTheDeclarationsAndKeepsTheCompanyRecord() {
        TestFolder folder;
        QDir().mkpath(folder.path(QStringLiteral("Data/094000000")));
        const QString company = QStringLiteral("Data\\094000000");
        dmTables().CreateCompanyTables(company);
        addRow(company + QStringLiteral("\\Edra.DB"), QStringLiteral("AFM"),
               QStringLiteral("094000000"));
        addRow(company + QStringLiteral("\\MistDilMast.DB"), QStringLiteral("DilCode"), 5);
        addRow(company + QStringLiteral("\\MistDilDet.DB"), QStringLiteral("DilCode"), 5);
        addRow(company + QStringLiteral("\\MistDilAkinita.DB"), QStringLiteral("DilCode"), 5);

        dmTables().ResetDeclarationTables(company);
        QCOMPARE(rows(company + QStringLiteral("\\Edra.DB")), 1);
        QCOMPARE(rows(company + QStringLiteral("\\MistDilMast.DB")), 0);
        QCOMPARE(rows(company + QStringLiteral("\\MistDilDet.DB")), 0);
        QCOMPARE(rows(company + QStringLiteral("\\MistDilAkinita.DB")), 0);

        dmTables().CreateCompanyTables(company); // creation replaces the record too
        QCOMPARE(rows(company + QStringLiteral("\\Edra.DB")), 0);
    }

    void aTableOpenInACursorIsNotReplacedUnderIt() {
        TestFolder folder;
        QDir().mkpath(folder.path(QStringLiteral("Data/1")));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\1"));
        addRow(QStringLiteral("Data\\1\\MistDilMast.DB"), QStringLiteral("DilCode"), 5);
        TableCursor open;
        open.setTableName(QStringLiteral("Data\\1\\MistDilMast.DB"));
        open.open();
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 dmTables().ResetDeclarationTables(QStringLiteral("Data\\1")));
        QCOMPARE(open.recordCount(), 1);
        open.refresh();
        QCOMPARE(open.recordCount(), 1);
    }

    void attachesTheCompanyFolder() {
        TestFolder folder;
        QDir().mkpath(folder.path(QStringLiteral("Data/123456783")));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\123456783"));
        dmTables().AttachCompanyTables(QStringLiteral("123456783"));
        QCOMPARE(dmTables().tblMistDilMast.tableName(),
                 QStringLiteral("Data\\123456783\\MistDilMast.DB"));
        QCOMPARE(dmTables().tblMistDilMast.indexName(), QStringLiteral("DilCodeDescIdx"));
        dmTables().tblEdra.open();
        QVERIFY(dmTables().tblEdra.isEmpty());
        dmTables().tblEdra.close();
    }

    void aMissingTemplateIsReportedWhenTheTableOpens() {
        TestFolder folder;
        QFile::remove(folder.path(QStringLiteral("ClrData/MistDilDet.DB")));
        QDir().mkpath(folder.path(QStringLiteral("Data/5")));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\5"));
        TableCursor det;
        det.setTableName(QStringLiteral("Data\\5\\MistDilDet.DB"));
        try {
            det.open();
            QFAIL("a missing table opened");
        } catch (const StoreError& e) {
            QVERIFY(e.text().contains(QStringLiteral("MistDilDet.DB")));
        }
        QVERIFY(!det.isOpen());
    }

    void manyTablesInTurnStayWithinTheAttachLimit() {
        TestFolder folder;
        for (int n = 1; n <= 14; ++n) {
            QDir().mkpath(folder.path(QStringLiteral("Data/%1").arg(n)));
            dmTables().CreateCompanyTables(QStringLiteral("Data\\%1").arg(n));
            addRow(QStringLiteral("Data\\%1\\MistDilMast.DB").arg(n), QStringLiteral("DilCode"), n);
        }
        for (int n = 1; n <= 14; ++n)
            QCOMPARE(rows(QStringLiteral("Data\\%1\\MistDilMast.DB").arg(n)), 1);
    }

    void moreTablesOpenAtOnceThanTheLimitIsAnError() {
        TestFolder folder;
        std::vector<std::unique_ptr<TableCursor>> open;
        bool refused = false;
        for (int n = 1; n <= 12 && !refused; ++n) {
            QDir().mkpath(folder.path(QStringLiteral("Data/%1").arg(n)));
            dmTables().CreateCompanyTables(QStringLiteral("Data\\%1").arg(n));
            auto c = std::make_unique<TableCursor>();
            c->setTableName(QStringLiteral("Data\\%1\\MistDilMast.DB").arg(n));
            try {
                c->open();
                open.push_back(std::move(c));
            } catch (const StoreError&) {
                refused = true;
            }
        }
        QVERIFY(refused);
        QCOMPARE(int(open.size()), 10);
    }

    void aWriteAcrossTablesLandsWholeOrNotAtAll() {
        TestFolder folder;
        QDir().mkpath(folder.path(QStringLiteral("Data/7")));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\7"));
        TableCursor mast, akin;
        mast.setTableName(QStringLiteral("Data\\7\\MistDilMast.DB"));
        akin.setTableName(QStringLiteral("Data\\7\\MistDilAkinita.DB"));
        mast.open();
        akin.open();
        try {
            TableStore::Transaction transaction;
            mast.insert();
            mast.setValue(QStringLiteral("DilCode"), 70);
            mast.post();
            akin.insert();
            akin.setValue(QStringLiteral("DilCode"), 70);
            akin.setValue(QStringLiteral("AA"), 1);
            akin.post();
            akin.insert();
            akin.setValue(QStringLiteral("DilCode"), 70);
            akin.setValue(QStringLiteral("AA"), 1); // a repeated key: the whole change fails
            akin.post();
            transaction.commit();
            QFAIL("a repeated key was posted");
        } catch (const StoreError&) {
        }
        akin.cancel();
        mast.refresh();
        akin.refresh();
        QCOMPARE(mast.recordCount(), 0);
        QCOMPARE(akin.recordCount(), 0);
    }
};

LETHORA_TEST_MAIN(TestDataModule)
#include "tst_datamodule.moc"
