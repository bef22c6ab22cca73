// Two workstations writing the shared operators table at once lose no row and leave
// the file sound.

#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QProcess>

class TestConcurrentWriters : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoProcessesWritingUsers() {
        TestFolder folder;
        dmTables().EnsureUsersTable();
        const int perWriter = 150;
        QProcess first, second;
        // A writer's failure text reaches the test's log.
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(QStringLiteral(STORE_WRITER),
                    {folder.root(), QStringLiteral("a"), QString::number(perWriter)});
        second.start(QStringLiteral(STORE_WRITER),
                     {folder.root(), QStringLiteral("b"), QString::number(perWriter)});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        StoreQuery q;
        q.setSql(QStringLiteral("SELECT UserName, Pass from 'Tables\\Users.db'"));
        q.open();
        QCOMPARE(q.recordCount(), 1 + 2 * perWriter);
        int edited = 0;
        for (q.first(); !q.eof(); q.next())
            edited += q.value(1).toString().startsWith(QLatin1Char('q')) ? 1 : 0;
        QCOMPARE(edited, 2 * perWriter);

        TableStore& store = TableStore::instance();
        if (store.isServer())
            return; // the server keeps its tables sound itself; there is no file to check
        const QString schema = store.acquire(QStringLiteral("Tables\\Users.db"));
        QSqlQuery check =
            store.exec(QStringLiteral("PRAGMA ") + schema + QStringLiteral(".integrity_check"));
        QVERIFY(check.next());
        QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
        check.finish();
        store.release(QStringLiteral("Tables\\Users.db"));
    }
};

LETHORA_TEST_MAIN(TestConcurrentWriters)
#include "tst_concurrent_writers.moc"
