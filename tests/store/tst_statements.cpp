// The statements the application writes run unchanged against real table files.

#include "common/Settings.h"
#include "common/WorkFolder.h"
#include "store/FieldNameQuoting.h"
#include "store/StoreChoice.h"
#include "store/StoreError.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QSettings>
#include <QSqlQuery>

class TestStatements : public QObject {
    Q_OBJECT

    QString mast = QStringLiteral("Data\\094000000\\MistDilMast.DB");
    QString det = QStringLiteral("Data\\094000000\\MistDilDet.DB");
    QString akin = QStringLiteral("Data\\094000000\\MistDilAkinita.DB");

    int count(const QString& sql) {
        StoreQuery q;
        q.setSql(sql);
        q.open();
        return q.recordCount();
    }

    void exec(const QString& sql) {
        StoreQuery q;
        q.setSql(sql);
        q.execSql();
    }

    // Two initial declarations (one provisionally saved), three amending ones, properties.
    void fill() {
        exec(QStringLiteral("INSERT INTO '") + mast +
             QStringLiteral("' (DilCode, StadioYpovolis, FilterField, MistName1) VALUES "
                            "(1203, 'Οριστικοποιημένη', 1, 'ΠΑΠΑΔΟΠΟΥΛΟΣ'), "
                            "(4512, 'Προσωρινά Αποθηκευμένο', 1, 'ΟΙΚΟΝΟΜΟΥ')"));
        exec(QStringLiteral("INSERT INTO '") + det +
             QStringLiteral(
                 "' (DilCode, TropDilCode, StadioYpovolis) VALUES "
                 "(1203, 2001, 'Οριστικοποιημένη'), (1203, 2002, 'Προσωρινά Αποθηκευμένο'),"
                 "(4512, 3001, 'Οριστικοποιημένη')"));
        exec(QStringLiteral("INSERT INTO '") + akin +
             QStringLiteral("' (DilCode, AA, ATAK) VALUES (1203, 1, '1450'), (4512, 1, '77'), "
                            "(4512, 2, '78')"));
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        QDir().mkpath(folder->path(QStringLiteral("Data/094000000")));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\094000000"));
        fill();
    }
    void cleanup() { folder.reset(); }

    void clearsEveryFilterMark() {
        exec(QStringLiteral("Update  '") + mast + QStringLiteral("'") +
             QStringLiteral(" SET FilterField = 0"));
        QCOMPARE(count(QStringLiteral("SELECT DilCode from '") + mast +
                       QStringLiteral("' where FilterField = 1")),
                 0);
        QCOMPARE(count(QStringLiteral("SELECT DilCode from '") + mast +
                       QStringLiteral("' where FilterField = 0")),
                 2);
    }

    void countsStoredDeclarations() {
        QCOMPARE(count(QStringLiteral("SELECT  DilCode  from '") + mast + QStringLiteral("'")), 2);
        QCOMPARE(count(QStringLiteral("SELECT  TropDilCode  from '") + det + QStringLiteral("'")),
                 3);
    }

    void findsTheInitialDeclarationOfAnAmendment() {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT  DilCode  from '") + det + QStringLiteral("'") +
                 QStringLiteral(" where TropDilCode = ") + QStringLiteral("3001"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.value(QStringLiteral("dilcode")).toInt(), 4512);
    }

    void deletesProvisionallySavedDeclarations() {
        StoreQuery q;
        q.setSql(QStringLiteral("DELETE From '") + akin + QStringLiteral("'"));
        q.addLine(QStringLiteral(" Where DilCode in (Select DilCode from  '") + mast +
                  QStringLiteral("'"));
        q.addLine(
            QStringLiteral("                   Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο')"));
        QCOMPARE(q.execSql(), 2);
        exec(QStringLiteral("DELETE From '") + det + QStringLiteral("'") +
             QStringLiteral(" Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο'"));
        exec(QStringLiteral("DELETE From '") + mast + QStringLiteral("'") +
             QStringLiteral(" Where StadioYpovolis = 'Προσωρινά Αποθηκευμένο'"));
        QCOMPARE(count(QStringLiteral("SELECT  DilCode  from '") + mast + QStringLiteral("'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT  TropDilCode  from '") + det + QStringLiteral("'")),
                 2);
        QCOMPARE(count(QStringLiteral("SELECT  *  from '") + akin + QStringLiteral("'")), 1);
    }

    void searchesOrderedByAColumnDescending() {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT DilCode, TropDilCode from '") + det +
                 QStringLiteral("' order by DilCode desc, TropDilCode desc"));
        q.open();
        QList<int> order;
        for (q.first(); !q.eof(); q.next())
            order << q.value(1).toInt();
        QCOMPARE(order, (QList<int>{3001, 2002, 2001}));
    }

    void aQuotedNumberMatchesTheIntegerField() {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT  *  from '") + det + QStringLiteral("'"));
        q.addLine(QStringLiteral(" where DilCode = '") + QStringLiteral("1203") +
                  QStringLiteral("'"));
        q.open();
        QCOMPARE(q.recordCount(), 2);
        QVERIFY(q.fieldNames().contains(QStringLiteral("TotalMistoma")));
    }

    void acceptsForwardSlashesAndTheSameFileTwice() {
        const QString slashed = QStringLiteral("Data/094000000/MistDilMast.DB");
        QCOMPARE(count(QStringLiteral("SELECT a.DilCode from '") + slashed +
                       QStringLiteral("' a, '") + mast +
                       QStringLiteral("' b where a.DilCode = b.DilCode")),
                 2);
    }

    void aMissingTableIsTheStoresErrorAndNoFileIsCreated() {
        const QString missing = QStringLiteral("Data\\999999999\\MistDilMast.DB");
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT  DilCode  from '") + missing + QStringLiteral("'"));
        try {
            q.open();
            QFAIL("a missing table opened");
        } catch (const StoreError& e) {
            QVERIFY(e.text().contains(QStringLiteral("999999999")));
        }
        QVERIFY(!QFile::exists(folder->path(QStringLiteral("Data/999999999/MistDilMast.DB"))));
    }

    void aFailedStatementChangesNothing() {
        StoreQuery q;
        // The second row repeats a key: the whole statement is refused.
        q.setSql(QStringLiteral("INSERT INTO '") + mast +
                 QStringLiteral("' (DilCode) VALUES (7), (1203)"));
        QVERIFY_THROWS_EXCEPTION(StoreError, q.execSql());
        QCOMPARE(count(QStringLiteral("SELECT DilCode from '") + mast +
                       QStringLiteral("' where DilCode = 7")),
                 0);
    }

    // A store that cannot be used is named in the message, and nothing stays half
    // connected: the test's own folder works again at once.
    void aStoreThatCannotBeUsedIsNamed_data() {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("named");
        QTest::newRow("unreachable server") << "postgresql"
                                            << "host=/nonexistent/socket port=5999 dbname=lethora"
                                            << "«/nonexistent/socket:5999, βάση lethora»";
        QTest::newRow("unknown store") << "Oracle"
                                       << ""
                                       << "«oracle»";
    }
    void aStoreThatCannotBeUsedIsNamed() {
        QFETCH(QString, engine);
        QFETCH(QString, connection);
        QFETCH(QString, named);
        QTemporaryDir office;
        {
            QSettings settings(office.filePath(QStringLiteral("settings.ini")),
                               QSettings::IniFormat);
            settings.setValue(QStringLiteral("Store/Engine"), engine);
            settings.setValue(QStringLiteral("Store/Connection"), connection);
        }
        const QString previous = WorkFolder::root();
        WorkFolder::setRoot(office.path());
        try {
            count(QStringLiteral("SELECT UserName FROM 'Tables\\Users.db'"));
            WorkFolder::setRoot(previous);
            QFAIL("a store that cannot be used answered");
        } catch (const StoreError& e) {
            WorkFolder::setRoot(previous);
            QVERIFY2(e.text().contains(named), qPrintable(e.text()));
        }
        QCOMPARE(count(QStringLiteral("SELECT DilCode from '") + mast + QStringLiteral("'")), 2);
    }

    // Settings that cannot be taken as written stop the store, rather than leave this
    // workstation on the folder's files while the office works on a server.
    void settingsNotTakenAsWrittenStopTheStore_data() {
        QTest::addColumn<QByteArray>("settings"); // empty: "settings.ini" is a folder
        QTest::addColumn<QString>("named");
        QTest::newRow("a folder") << QByteArray() << "δεν διαβάζεται: είναι φάκελος";
        QTest::newRow("section in other letters")
            << QByteArray("[store]\nEngine=postgresql\n") << "Η ενότητα [store]";
        QTest::newRow("setting in other letters")
            << QByteArray("[Store]\nengine=postgresql\n") << "Η ρύθμιση «engine»";
    }
    void settingsNotTakenAsWrittenStopTheStore() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, named);
        QTemporaryDir office;
        QDir().mkpath(office.filePath(QStringLiteral("Tables")));
        QFile::copy(folder->path(QStringLiteral("ClrTbls/Users.db")),
                    office.filePath(QStringLiteral("Tables/Users.db")));
        QFile file(office.filePath(QStringLiteral("settings.ini")));
        if (settings.isEmpty())
            QVERIFY(QDir().mkpath(file.fileName()));
        else
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
        file.close();
        const QString previous = WorkFolder::root();
        WorkFolder::setRoot(office.path());
        try {
            count(QStringLiteral("SELECT UserName FROM 'Tables\\Users.db'"));
            WorkFolder::setRoot(previous);
            QFAIL("the store used the folder's files");
        } catch (const StoreError& e) {
            WorkFolder::setRoot(previous);
            QVERIFY2(e.text().contains(named) && e.text().contains(QStringLiteral("σταματά")),
                     qPrintable(e.text()));
        }
        QCOMPARE(count(QStringLiteral("SELECT DilCode from '") + mast + QStringLiteral("'")), 2);
    }

    // A connection written by hand with a comma is one text; written by the program it
    // is quoted, the file's other settings kept, and QSettings reads the same text.
    void theConnectionIsOneTextWhateverItHolds() {
        const QString connection =
            (PrivateServer::wanted() ? StoreChoice::ofWorkFolder().connection
                                     : QStringLiteral("host=/nonexistent/socket dbname=lethora")) +
            QStringLiteral(" application_name=lethora,office");
        QTemporaryDir office;
        const QString file = office.filePath(QStringLiteral("settings.ini"));
        {
            QFile byHand(file);
            QVERIFY(byHand.open(QIODevice::WriteOnly));
            byHand.write("[General]\nHelpVideoListAddress=http://127.0.0.1:1/list\n\n[Store]\n"
                         "Engine=postgresql\nConnection=" +
                         connection.toUtf8() + "\n");
        }
        const QString previous = WorkFolder::root();
        WorkFolder::setRoot(office.path());
        const StoreChoice handWritten = StoreChoice::ofWorkFolder();
        StoreChoice::write(handWritten);
        const StoreChoice written = StoreChoice::ofWorkFolder();
        const QString address = Settings::folderValue(QStringLiteral("HelpVideoListAddress"), {});
        QString applicationName;
        if (PrivateServer::wanted()) { // the store connects with the whole text
            QSqlQuery shown = TableStore::instance().exec(QStringLiteral("SHOW application_name"));
            applicationName = shown.next() ? shown.value(0).toString() : QString();
        }
        WorkFolder::setRoot(previous);
        QCOMPARE(handWritten.connection, connection);
        QCOMPARE(written, handWritten);
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("\nConnection=\"" + connection.toUtf8() + "\"\n"));
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Store/Connection")),
                 QVariant(connection));
        QCOMPARE(address, QStringLiteral("http://127.0.0.1:1/list"));
        if (PrivateServer::wanted())
            QCOMPARE(applicationName, QStringLiteral("lethora,office"));
    }

    // The server's spelling of a statement: bare field names quoted as the definitions
    // spell them; texts, quoted names, longer words and numbers left as they are.
    void fieldNamesAreQuotedOnlyWhereTheyStandAsNames_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("onTheServer");
        QTest::newRow("bare names") << "SELECT dilcode, d.TropDilCode from t d"
                                    << "SELECT \"DilCode\", d.\"TropDilCode\" from t d";
        QTest::newRow("texts") << "WHERE CompName = 'AFM' AND Pass = 'it''s AFM'"
                               << "WHERE \"CompName\" = 'AFM' AND \"Pass\" = 'it''s AFM'";
        QTest::newRow("quoted names") << "SET \"FilterField\" = 0, \"x\"\"AFM\" = 1"
                                      << "SET \"FilterField\" = 0, \"x\"\"AFM\" = 1";
        QTest::newRow("longer words and numbers")
            << "SELECT AFMs, my_afm, 1e5AFM FROM t ORDER BY AFM COLLATE GREEK"
            << "SELECT AFMs, my_afm, 1e5AFM FROM t ORDER BY \"AFM\" COLLATE GREEK";
        QTest::newRow("Greek text") << "WHERE MistName1 = 'Άλφα' AND Eidos<>'Οικία'"
                                    << "WHERE \"MistName1\" = 'Άλφα' AND \"Eidos\"<>'Οικία'";
    }
    void fieldNamesAreQuotedOnlyWhereTheyStandAsNames() {
        QFETCH(QString, statement);
        QFETCH(QString, onTheServer);
        QCOMPARE(quoteFieldNames(statement), onTheServer);
    }

private:
    std::unique_ptr<TestFolder> folder;
};

LETHORA_TEST_MAIN(TestStatements)
#include "tst_statements.moc"
