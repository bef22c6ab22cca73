// A generated register written into real table files comes back as it was, and the
// owner can be entered in the company register.

#include "store/StoreError.h"
#include "store/StoreQuery.h"
#include "store/TableCursor.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"
#include "tools/registergen/OwnerRegistration.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWriter.h"

#include <QDir>

namespace {
const QString kOwner = QStringLiteral("094014201");

void createCompanyFolder(const TestFolder& folder, const QString& afm) {
    QDir().mkpath(folder.path(QStringLiteral("Data/") + afm));
    dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
}

QVariant single(const QString& sql) {
    StoreQuery query;
    query.setSql(sql);
    query.open();
    return query.eof() ? QVariant() : query.value(0);
}

QString mast(const QString& afm = kOwner) {
    return QStringLiteral("'Data\\") + afm + QStringLiteral("\\MistDilMast.DB'");
}
} // namespace

class TestRegisterWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenRegisterReadsBackUnchanged() {
        TestFolder folder;
        createCompanyFolder(folder, kOwner);
        const RegisterDataSet set = generateRegister(kOwner, 400, 11);
        writeRegister(set, kOwner);

        const RegisterDataSet stored = readRegister(kOwner);
        QCOMPARE(stored.declarations.size(), set.declarations.size());
        QCOMPARE(stored.amendments.size(), set.amendments.size());
        QCOMPARE(stored.properties.size(), set.properties.size());
        QCOMPARE(stored.declarations, set.declarations);
        QCOMPARE(stored.amendments, set.amendments);
        QCOMPARE(stored.properties, set.properties);
    }

    void numbersStayNumbersAndTextStaysText() {
        TestFolder folder;
        createCompanyFolder(folder, kOwner);
        const RegisterDataSet set = generateRegister(kOwner, 400, 12);
        writeRegister(set, kOwner);

        QCOMPARE(single(QStringLiteral("SELECT DISTINCT typeof(DilCode) from ") + mast()),
                 QVariant(QStringLiteral("integer")));
        QCOMPARE(single(QStringLiteral("SELECT DISTINCT typeof(TotalMistoma) from ") + mast()),
                 QVariant(QStringLiteral("real")));
        // Registry numbers with a leading zero keep it.
        QString zeroAtak;
        qlonglong itsDeclaration = 0;
        for (const QVariantMap& p : set.properties)
            if (p.value(QStringLiteral("ATAK")).toString().startsWith(QLatin1Char('0'))) {
                zeroAtak = p.value(QStringLiteral("ATAK")).toString();
                itsDeclaration = p.value(QStringLiteral("DilCode")).toLongLong();
                break;
            }
        QVERIFY(!zeroAtak.isEmpty());
        QCOMPARE(single(QStringLiteral("SELECT ATAK from 'Data\\") + kOwner +
                        QStringLiteral("\\MistDilAkinita.DB' where DilCode = ") +
                        QString::number(itsDeclaration) + QStringLiteral(" and ATAK = '") +
                        zeroAtak + QLatin1Char('\'')),
                 QVariant(zeroAtak));
        // The filter of the workspace finds the quoted number in the integer field.
        const qlonglong first =
            set.declarations.first().value(QStringLiteral("DilCode")).toLongLong();
        QCOMPARE(single(QStringLiteral("SELECT count(*) from ") + mast() +
                        QStringLiteral(" where DilCode = '") + QString::number(first) +
                        QLatin1Char('\'')),
                 QVariant(qlonglong(1)));
    }

    void emptyTextIsStoredAndMissingPartiesStayNull() {
        TestFolder folder;
        createCompanyFolder(folder, kOwner);
        writeRegister(generateRegister(kOwner, 200, 13), kOwner);
        // Declarations without notes hold empty text; lessors beyond the last stay null.
        QCOMPARE(single(QStringLiteral("SELECT count(*) from ") + mast() +
                        QStringLiteral(" where Simiosis IS NULL")),
                 QVariant(qlonglong(0)));
        QVERIFY(single(QStringLiteral("SELECT count(*) from ") + mast() +
                       QStringLiteral(" where Simiosis = ''"))
                    .toLongLong() > 0);
        QVERIFY(single(QStringLiteral("SELECT count(*) from ") + mast() +
                       QStringLiteral(" where EkmAFM5 IS NULL"))
                    .toLongLong() > 0);
    }

    void aFailingRecordLeavesTheTablesEmpty() {
        TestFolder folder;
        createCompanyFolder(folder, kOwner);
        RegisterDataSet set = generateRegister(kOwner, 100, 14);
        set.properties << set.properties.first(); // the same key twice
        QVERIFY_THROWS_EXCEPTION(StoreError, writeRegister(set, kOwner));
        const RegisterDataSet stored = readRegister(kOwner);
        QVERIFY(stored.declarations.isEmpty());
        QVERIFY(stored.amendments.isEmpty());
        QVERIFY(stored.properties.isEmpty());
    }

    void ownerEnteredInTheCompanyRegisterAndRenamed() {
        TestFolder folder;
        createCompanyFolder(folder, kOwner);
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("Tables/Comps.db"))));
        registerOwner(kOwner, QStringLiteral("Οικονόμου Σοφία"));
        registerOwner(kOwner, QStringLiteral("Οικονόμου Σοφία-Μαρία"));

        TableCursor comps;
        comps.setTableName(QStringLiteral("Tables\\Comps.db"));
        comps.open();
        QCOMPARE(comps.recordCount(), 1);
        QCOMPARE(comps.text(QStringLiteral("AFM")), kOwner);
        QCOMPARE(comps.text(QStringLiteral("CompName")), QStringLiteral("Οικονόμου Σοφία-Μαρία"));
        QCOMPARE(comps.text(QStringLiteral("UserName")), QStringLiteral("admin"));
        comps.close();

        TableCursor edra;
        edra.setTableName(TdmTables::companyTablePath(kOwner, QStringLiteral("Edra")));
        edra.open();
        QCOMPARE(edra.recordCount(), 1);
        QCOMPARE(edra.text(QStringLiteral("AFM")), kOwner);
        QCOMPARE(edra.text(QStringLiteral("BigName")), QStringLiteral("Οικονόμου Σοφία-Μαρία"));
        edra.close();
    }
};

LETHORA_TEST_MAIN(TestRegisterWriter)
#include "tst_register_writer.moc"
