// Creating, resetting and attaching tables from their templates.

#include "store/StoreError.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>

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

private Q_SLOTS:
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
