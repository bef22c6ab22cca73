// Cursors: navigation, editing, filters, orders, master-detail links and look-ups.

#include "store/SqlText.h"
#include "store/StoreError.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>

class TestCursor : public QObject {
    Q_OBJECT

    void addCompany(TableCursor& c, const QString& afm, const QString& name, const QString& user) {
        c.insert();
        c.setValue(QStringLiteral("AFM"), afm);
        c.setValue(QStringLiteral("CompName"), name);
        c.setValue(QStringLiteral("UserName"), user);
        c.post();
    }

    QStringList column(TableCursor& c, const QString& field) {
        QStringList values;
        for (c.first(); !c.eof(); c.next())
            values << c.text(field);
        return values;
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        dmTables().EnsureSharedTables();
        comps = std::make_unique<TableCursor>();
        comps->setTableName(QStringLiteral("Tables\\Comps.db"));
        comps->open();
    }
    void cleanup() {
        comps.reset();
        folder.reset();
    }

    void walksForwardAndBackward() {
        QVERIFY(comps->eof());
        QVERIFY(comps->bof());
        QVERIFY(comps->isEmpty());
        addCompany(*comps, QStringLiteral("300"), QStringLiteral("Γ"), QStringLiteral("admin"));
        addCompany(*comps, QStringLiteral("100"), QStringLiteral("Α"), QStringLiteral("admin"));
        addCompany(*comps, QStringLiteral("200"), QStringLiteral("Β"), QStringLiteral("admin"));
        QCOMPARE(comps->recordCount(), 3);
        QCOMPARE(column(*comps, QStringLiteral("AFM")), (QStringList{"100", "200", "300"}));
        comps->last();
        QVERIFY(comps->eof());
        QCOMPARE(comps->text(QStringLiteral("afm")), QStringLiteral("300"));
        comps->prior();
        QVERIFY(!comps->eof());
        QCOMPARE(comps->text(QStringLiteral("Afm")), QStringLiteral("200"));
        comps->prior();
        comps->prior();
        QVERIFY(comps->bof());
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("100"));
    }

    void keepsLeadingZerosOfTextFields() {
        addCompany(*comps, QStringLiteral("012345678"), QStringLiteral("Α"), QStringLiteral("x"));
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("012345678"));
    }

    void editsCancelsAndDeletes() {
        addCompany(*comps, QStringLiteral("100"), QStringLiteral("Α"), QStringLiteral("admin"));
        addCompany(*comps, QStringLiteral("200"), QStringLiteral("Β"), QStringLiteral("admin"));
        QVERIFY(comps->findKey({QStringLiteral("100")}));
        comps->edit();
        comps->setValue(QStringLiteral("CompName"), QStringLiteral("Άλλο"));
        QCOMPARE(comps->text(QStringLiteral("CompName")), QStringLiteral("Άλλο"));
        comps->cancel();
        QCOMPARE(comps->text(QStringLiteral("CompName")), QStringLiteral("Α"));
        comps->edit();
        comps->setValue(QStringLiteral("CompName"), QStringLiteral("Νέο"));
        comps->post();
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("100"));

        TableCursor second; // another cursor sees the posted change
        second.setTableName(QStringLiteral("Tables/Comps.db"));
        second.open();
        QVERIFY(second.findKey({QStringLiteral("100")}));
        QCOMPARE(second.text(QStringLiteral("CompName")), QStringLiteral("Νέο"));

        comps->remove();
        QCOMPARE(comps->recordCount(), 1);
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("200"));
        QVERIFY(!comps->findKey({QStringLiteral("100")}));
    }

    void aDuplicateKeyIsRefusedAndTheRowStaysInEdit() {
        addCompany(*comps, QStringLiteral("100"), QStringLiteral("Α"), QStringLiteral("admin"));
        comps->insert();
        comps->setValue(QStringLiteral("AFM"), QStringLiteral("100"));
        QVERIFY_THROWS_EXCEPTION(StoreError, comps->post());
        QCOMPARE(comps->state(), TableCursor::State::Insert);
        comps->cancel();
        QCOMPARE(comps->recordCount(), 1);
    }

    void filtersByOperatorEvenWithAQuoteInTheName() {
        addCompany(*comps, QStringLiteral("100"), QStringLiteral("Α"), QStringLiteral("O'Brien"));
        addCompany(*comps, QStringLiteral("200"), QStringLiteral("Β"), QStringLiteral("maria"));
        addCompany(*comps, QStringLiteral("300"), QStringLiteral("Γ"),
                   QStringLiteral("O'Brien') OR ('1'='1"));
        comps->setFilter(QStringLiteral("(UserName = ") + sqlQuoted(QStringLiteral("O'Brien")) +
                         QStringLiteral(")"));
        comps->setFiltered(true);
        QCOMPARE(column(*comps, QStringLiteral("AFM")), QStringList{"100"});
        comps->setFilter(QStringLiteral("(UserName = ") +
                         sqlQuoted(QStringLiteral("O'Brien') OR ('1'='1")) + QStringLiteral(")"));
        QCOMPARE(column(*comps, QStringLiteral("AFM")), QStringList{"300"});
        comps->setFiltered(false);
        QCOMPARE(comps->recordCount(), 3);
    }

    void sortsNamesInGreekOrder() {
        addCompany(*comps, QStringLiteral("1"), QStringLiteral("Ωμέγα"), QString());
        addCompany(*comps, QStringLiteral("2"), QStringLiteral("Άλφα"), QString());
        addCompany(*comps, QStringLiteral("3"), QStringLiteral("αβγό"), QString());
        addCompany(*comps, QStringLiteral("4"), QStringLiteral("ΒΗΤΑ"), QString());
        addCompany(*comps, QStringLiteral("5"), QStringLiteral("Έψιλον"), QString());
        comps->setIndexName(QStringLiteral("NameIdx"));
        QCOMPARE(column(*comps, QStringLiteral("CompName")),
                 (QStringList{"αβγό", "Άλφα", "ΒΗΤΑ", "Έψιλον", "Ωμέγα"}));
    }

    void findsTheNearestNameIgnoringCaseAccentsAndFinalSigma() {
        addCompany(*comps, QStringLiteral("1"), QStringLiteral("Παπάς"), QString());
        addCompany(*comps, QStringLiteral("2"), QStringLiteral("Άλφα"), QString());
        addCompany(*comps, QStringLiteral("3"), QStringLiteral("Σωτηρίου"), QString());
        comps->setIndexName(QStringLiteral("NameIdx"));
        comps->findNearest({QStringLiteral("ΠΑΠΑΣ")});
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("1"));
        comps->findNearest({QStringLiteral("παπασ")});
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("1"));
        comps->findNearest({QStringLiteral("αλ")});
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("2"));
        comps->findNearest({QStringLiteral("Ρ")});
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("3"));
        comps->findNearest({QStringLiteral("Ω")});
        QCOMPARE(comps->text(QStringLiteral("AFM")),
                 QStringLiteral("3")); // nothing after: the last row
    }

    void findsTheNearestTaxNumberOnThePrimaryOrder() {
        for (const char* afm : {"094000000", "123000000", "130000000", "999999999"})
            addCompany(*comps, QString::fromLatin1(afm), QStringLiteral("x"), QString());
        comps->findNearest({QStringLiteral("12")});
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("123000000"));
        comps->findNearest({QStringLiteral("125")});
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("130000000"));
    }

    void locatesByOneAndTwoFields() {
        addCompany(*comps, QStringLiteral("1"), QStringLiteral("Α"), QStringLiteral("maria"));
        addCompany(*comps, QStringLiteral("2"), QStringLiteral("Α"), QStringLiteral("nikos"));
        addCompany(*comps, QStringLiteral("3"), QStringLiteral("Β"), QStringLiteral("nikos"));
        QVERIFY(comps->locate(QStringLiteral("UserName"), QStringLiteral("nikos")));
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("2"));
        QVERIFY(comps->locate(QStringLiteral("CompName"), QStringLiteral("Β"),
                              QStringLiteral("username"), QStringLiteral("nikos")));
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("3"));
        QVERIFY(!comps->locate(QStringLiteral("UserName"), QStringLiteral("kanenas")));
        QCOMPARE(comps->text(QStringLiteral("AFM")), QStringLiteral("3"));
    }

    void anUnknownFieldIsAnErrorNotACrash() {
        addCompany(*comps, QStringLiteral("1"), QStringLiteral("Α"), QString());
        QVERIFY_THROWS_EXCEPTION(StoreError, comps->value(QStringLiteral("NoSuchField")));
        QVERIFY_THROWS_EXCEPTION(StoreError, comps->setIndexName(QStringLiteral("NoSuchIdx")));
    }

    void readsManyRowsInOrderAndAfterAStatementAndRefresh() {
        QStringList expected;
        for (int i = 0; i < 150; ++i) { // more rows than one read brings
            const QString afm = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
            addCompany(*comps, afm, QStringLiteral("Όνομα ") + afm, QStringLiteral("admin"));
            expected << QStringLiteral("Όνομα ") + afm;
        }
        QCOMPARE(column(*comps, QStringLiteral("CompName")), expected);
        QStringList backwards;
        comps->last();
        while (true) {
            backwards.prepend(comps->text(QStringLiteral("CompName")));
            if (comps->position() == 0)
                break;
            comps->prior();
        }
        QCOMPARE(backwards, expected);
        QCOMPARE(comps->valueAt(149, QStringLiteral("AFM")).toString(), QStringLiteral("149"));
        QCOMPARE(comps->valueAt(63, QStringLiteral("AFM")).toString(), QStringLiteral("063"));

        TableStore& store = TableStore::instance();
        store.exec(QStringLiteral("UPDATE ") + store.qualifiedName(comps->tableName()) +
                   QStringLiteral(" SET CompName = 'Αλλαγμένο' WHERE AFM = '070'"));
        comps->refresh();
        comps->moveTo(70);
        QCOMPARE(comps->text(QStringLiteral("CompName")), QStringLiteral("Αλλαγμένο"));
        // The files it read can still be let go and replaced.
        comps.reset();
        store.releaseFile(QStringLiteral("Tables\\Comps.db"));
    }

    void detailsFollowTheirDeclarationInDescendingOrder() {
        QDir().mkpath(folder->path(QStringLiteral("Data/094000000")));
        TdmTables& dm = dmTables();
        dm.CreateCompanyTables(QStringLiteral("Data\\094000000"));
        dm.AttachCompanyTables(QStringLiteral("094000000"));
        dm.tblMistDilMast.open();
        dm.tblMistDilDet.open();
        dm.tblMistDilAkinita.open();
        for (int code : {10, 30, 20}) {
            dm.tblMistDilMast.insert();
            dm.tblMistDilMast.setValue(QStringLiteral("DilCode"), code);
            dm.tblMistDilMast.post();
            for (int trop = 1; trop <= 3; ++trop) { // inserted under the declaration in hand
                dm.tblMistDilDet.insert();
                dm.tblMistDilDet.setValue(QStringLiteral("TropDilCode"), code * 100 + trop);
                dm.tblMistDilDet.post();
            }
            dm.tblMistDilAkinita.insert();
            dm.tblMistDilAkinita.setValue(QStringLiteral("AA"), 1);
            dm.tblMistDilAkinita.post();
        }
        QCOMPARE(column(dm.tblMistDilMast, QStringLiteral("DilCode")),
                 (QStringList{"30", "20", "10"}));
        dm.tblMistDilMast.first();
        dm.tblMistDilMast.next(); // 20
        QCOMPARE(dm.tblMistDilDet.recordCount(), 3);
        QCOMPARE(dm.tblMistDilDet.text(QStringLiteral("TropDilCode")), QStringLiteral("2003"));
        QCOMPARE(dm.tblMistDilAkinita.recordCount(), 1);
        QCOMPARE(dm.tblMistDilAkinita.text(QStringLiteral("DilCode")), QStringLiteral("20"));
        QVERIFY(dm.tblMistDilMast.findKey({10}));
        QCOMPARE(column(dm.tblMistDilDet, QStringLiteral("TropDilCode")),
                 (QStringList{"1003", "1002", "1001"}));

        dm.tblMistDilMast.setFilter(QStringLiteral("FilterField = 1"));
        dm.tblMistDilMast.setFiltered(true);
        QVERIFY(dm.tblMistDilMast.isEmpty());
        QCOMPARE(dm.tblMistDilDet.recordCount(), 0);
        dm.tblMistDilMast.setFiltered(false);
        dm.tblMistDilAkinita.close();
        dm.tblMistDilDet.close();
        dm.tblMistDilMast.close();
    }

private:
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<TableCursor> comps;
};

LETHORA_TEST_MAIN(TestCursor)
#include "tst_cursor.moc"
