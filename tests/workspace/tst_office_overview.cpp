// The office overview over several owners: which leases end within the days asked for,
// which declarations are unfinished, which parties have not accepted, under the chooser's
// visibility rule; and the office-overview tool that prints the same lists.

#include "companies/CompanyLock.h"
#include "operators/CurrentOperator.h"
#include "operators/Rights.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tests/workspace/RegisterFixture.h"
#include "workspace/OfficeOverview.h"

#include <QFile>

namespace {
const QString kOwnerA = QStringLiteral("094014201");
const QString kOwnerB = QStringLiteral("123456783");
const QDate kToday(2026, 3, 15);

// A working folder with a company register and owners with empty declaration tables.
class Office {
public:
    Office() { dmTables().EnsureSharedTables(); }

    void owner(const QString& afm, const QString& name, const QString& userName = {}) {
        QDir().mkpath(m_folder.path(QStringLiteral("Data/") + afm));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
        RegisterFixture::insertRow(QStringLiteral("Tables\\Comps.db"),
                                   {{QStringLiteral("AFM"), afm},
                                    {QStringLiteral("CompName"), name},
                                    {QStringLiteral("UserName"), userName}});
    }
    void declaration(const QString& afm, qlonglong dilCode, QVariantMap fields = {}) {
        fields.insert(QStringLiteral("DilCode"), dilCode);
        RegisterFixture::insertRow(TdmTables::companyTablePath(afm, QStringLiteral("MistDilMast")),
                                   fields);
    }
    void amendment(const QString& afm, qlonglong dilCode, qlonglong tropDilCode,
                   QVariantMap fields = {}) {
        fields.insert(QStringLiteral("DilCode"), dilCode);
        fields.insert(QStringLiteral("TropDilCode"), tropDilCode);
        RegisterFixture::insertRow(TdmTables::companyTablePath(afm, QStringLiteral("MistDilDet")),
                                   fields);
    }
    QString root() const { return m_folder.root(); }
    QString path(const QString& relative) const { return m_folder.path(relative); }

private:
    TestFolder m_folder;
};

OfficeOverview readAll(int days = 30) {
    return OfficeOverviewReader::read(OfficeOverviewReader::owners(QString()), kToday, days);
}

QStringList expiringCodes(const OfficeOverview& o) {
    QStringList codes;
    for (const ExpiringLease& lease : o.expiring)
        codes << QString::number(lease.dilCode);
    return codes;
}
QStringList unfinishedCodes(const OfficeOverview& o) {
    QStringList codes;
    for (const UnfinishedDeclaration& d : o.unfinished)
        codes << QString::number(d.dilCode);
    return codes;
}
// "DilCode role position partyAfm" of each party waiting.
QStringList waiting(const OfficeOverview& o) {
    QStringList parties;
    for (const PendingAcceptance& p : o.unaccepted)
        parties << QStringLiteral("%1 %2 %3 %4")
                       .arg(p.dilCode)
                       .arg(OfficeOverviewReader::roleWord(p))
                       .arg(p.position)
                       .arg(p.partyAfm);
    return parties;
}
} // namespace

class TestOfficeOverview : public QObject {
    Q_OBJECT

    std::unique_ptr<Office> office;

private Q_SLOTS:
    void init() {
        office = std::make_unique<Office>();
        office->owner(kOwnerA, QStringLiteral("Άλφα"), QStringLiteral("maria"));
    }
    void cleanup() {
        office.reset();
        CurrentOperator() = {};
    }

    void endDateWindow_data() {
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("listed");
        QTest::newRow("today") << "15/03/2026" << 30 << true;
        QTest::newRow("today + N") << "14/04/2026" << 30 << true;
        QTest::newRow("the day after") << "15/04/2026" << 30 << false;
        QTest::newRow("yesterday") << "14/03/2026" << 30 << false;
        QTest::newRow("no end date") << "" << 30 << false;
        QTest::newRow("not a date") << "31/02/2026" << 30 << false;
        QTest::newRow("across the year, 730 days") << "14/03/2028" << 730 << true;
        QTest::newRow("one day, tomorrow") << "16/03/2026" << 1 << true;
    }
    void endDateWindow() {
        QFETCH(QString, end);
        QFETCH(int, days);
        QFETCH(bool, listed);
        office->declaration(kOwnerA, 501,
                            {{QStringLiteral("MistosiEosDate"), end},
                             {QStringLiteral("MistName1"), QStringLiteral("ΠΑΠΑΣ")},
                             {QStringLiteral("TotalMistoma"), 450.5}});
        const OfficeOverview o = readAll(days);
        QCOMPARE(o.expiring.size(), listed ? 1 : 0);
        if (listed) {
            QCOMPARE(o.expiring.at(0).endDate, end);
            QCOMPARE(o.expiring.at(0).firstLessee, QStringLiteral("ΠΑΠΑΣ"));
            QCOMPARE(o.expiring.at(0).monthlyRent, 450.5);
            QCOMPARE(o.expiring.at(0).ownerName, QStringLiteral("Άλφα"));
        }
    }

    void newestAmendmentGivesTheLeaseState() {
        // 601: the amendment brought the end into the window; 602: moved it out; 603: an
        // older amendment in the window, the newest out; 604: terminated; 605: terminated
        // earlier, then amended again.
        office->declaration(kOwnerA, 601, {{QStringLiteral("MistosiEosDate"), "31/12/2030"}});
        office->amendment(kOwnerA, 601, 7001,
                          {{QStringLiteral("MistosiEosDate"), "01/04/2026"},
                           {QStringLiteral("TotalMistoma"), 900.0},
                           {QStringLiteral("EidosDilosis"), QStringLiteral("Τροποποιητική")}});
        office->declaration(kOwnerA, 602, {{QStringLiteral("MistosiEosDate"), "01/04/2026"}});
        office->amendment(kOwnerA, 602, 7002, {{QStringLiteral("MistosiEosDate"), "01/04/2027"}});
        office->declaration(kOwnerA, 603, {{QStringLiteral("MistosiEosDate"), "31/12/2030"}});
        office->amendment(kOwnerA, 603, 7003, {{QStringLiteral("MistosiEosDate"), "20/03/2026"}});
        office->amendment(kOwnerA, 603, 7013, {{QStringLiteral("MistosiEosDate"), "20/03/2029"}});
        office->declaration(kOwnerA, 604, {{QStringLiteral("MistosiEosDate"), "01/04/2026"}});
        office->amendment(kOwnerA, 604, 7004,
                          {{QStringLiteral("MistosiEosDate"), "20/03/2026"},
                           {QStringLiteral("EidosDilosis"), QStringLiteral("Λύση")}});
        office->declaration(kOwnerA, 605, {{QStringLiteral("MistosiEosDate"), "31/12/2030"}});
        office->amendment(kOwnerA, 605, 7005, {{QStringLiteral("EidosDilosis"), "Λύση"}});
        office->amendment(kOwnerA, 605, 7015,
                          {{QStringLiteral("MistosiEosDate"), "25/03/2026"},
                           {QStringLiteral("EidosDilosis"), QStringLiteral("Τροποποιητική")}});
        const OfficeOverview o = readAll();
        QCOMPARE(expiringCodes(o), QStringList({"605", "601"})); // by end date
        QCOMPARE(o.expiring.at(1).endDate, QStringLiteral("01/04/2026"));
        QCOMPARE(o.expiring.at(1).monthlyRent, 900.0);
    }

    void provisionalDeclarations() {
        const QVariantMap provisional{{QStringLiteral("StadioYpovolis"), "Προσωρινά Αποθηκευμένο"}};
        const QVariantMap final{{QStringLiteral("StadioYpovolis"), "Οριστικοποιημένη"}};
        QVariantMap waitingLessee = final;
        waitingLessee.insert(QStringLiteral("MistAFM1"), QStringLiteral("111111111"));
        office->declaration(kOwnerA, 701, provisional);
        office->declaration(kOwnerA, 702, waitingLessee); // definitive, amendment provisional
        office->amendment(kOwnerA, 702, 8002, provisional);
        office->declaration(kOwnerA, 703, waitingLessee); // definitive, amendment definitive
        office->amendment(kOwnerA, 703, 8003, final);
        const OfficeOverview o = readAll();
        QCOMPARE(unfinishedCodes(o), QStringList({"702", "701"}));
        // The provisionally saved amendment keeps 702 out of the acceptances.
        QCOMPARE(waiting(o), QStringList({"703 lessee 1 111111111"}));
    }

    void acceptanceOfTheNewestAmendment() {
        // 801: refused in the declaration, accepted in the newest amendment; 802: accepted
        // in the declaration, empty in the newest amendment; 803: no amendment.
        office->declaration(kOwnerA, 801,
                            {{QStringLiteral("MistAFM1"), "111111111"},
                             {QStringLiteral("MistCheckApodoxis1"), "ΟΧΙ"}});
        office->amendment(kOwnerA, 801, 9001, {{QStringLiteral("MistCheckApodoxis1"), "ΟΧΙ"}});
        office->amendment(kOwnerA, 801, 9011, {{QStringLiteral("MistCheckApodoxis1"), "ΝΑΙ"}});
        office->declaration(kOwnerA, 802,
                            {{QStringLiteral("MistAFM1"), "222222222"},
                             {QStringLiteral("MistCheckApodoxis1"), "ΝΑΙ"}});
        office->amendment(kOwnerA, 802, 9002, {{QStringLiteral("MistCheckApodoxis1"), ""}});
        // 803: the owner as lessor is left out; another lessor, lessees at positions 2 and
        // 4 (position 3 has no tax number) and an accepted lessee at position 1.
        office->declaration(kOwnerA, 803,
                            {{QStringLiteral("EkmAFM1"), kOwnerA},
                             {QStringLiteral("EkmAFM2"), "333333333"},
                             {QStringLiteral("EkmName2"), "ΛΑΜΠΡΟΥ"},
                             {QStringLiteral("EkmCheckApodoxis2"), "ΟΧΙ"},
                             {QStringLiteral("MistAFM1"), "444444444"},
                             {QStringLiteral("MistCheckApodoxis1"), "ΝΑΙ"},
                             {QStringLiteral("MistAFM2"), "555555555"},
                             {QStringLiteral("MistName3"), "ΧΩΡΙΣ ΑΦΜ"},
                             {QStringLiteral("MistAFM4"), "666666666"},
                             {QStringLiteral("MistCheckApodoxis4"), "ΟΧΙ"}});
        const OfficeOverview o = readAll();
        QCOMPARE(waiting(o), QStringList({"803 lessor 2 333333333", "803 lessee 2 555555555",
                                          "803 lessee 4 666666666", "802 lessee 1 222222222"}));
        QCOMPARE(o.unaccepted.at(0).partyName, QStringLiteral("ΛΑΜΠΡΟΥ"));
    }

    void unreadableOwnerAndOwnerOpenElsewhere() {
        office->owner(kOwnerB, QStringLiteral("Βήτα"));
        office->declaration(kOwnerA, 10, {{QStringLiteral("MistosiEosDate"), "20/03/2026"}});
        office->declaration(kOwnerB, 20, {{QStringLiteral("MistosiEosDate"), "20/03/2026"}});
        // Another workstation holds A open: it is read, and its lock stays that workstation's.
        const QString lock = office->path(QStringLiteral("Data/") + kOwnerA + "/InUse.lck");
        QFile other(lock);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("another-workstation\r\n");
        other.close();
        TableStore::instance().detachUnused();
        QVERIFY(QFile::remove(
            office->path(QStringLiteral("Data/") + kOwnerB + QStringLiteral("/MistDilDet.DB"))));
        const OfficeOverview o = readAll();
        QCOMPARE(expiringCodes(o), QStringList({"10"}));
        QCOMPARE(o.unreadable.size(), 1);
        QCOMPARE(o.unreadable.at(0).afm, kOwnerB);
        QCOMPARE(OfficeOverviewReader::unreadableLine(o.unreadable),
                 QStringLiteral("Δεν διαβάστηκαν: 123456783 Βήτα"));
        QCOMPARE(CompanyLock::holder(kOwnerA, QStringLiteral("this-workstation")),
                 CompanyLock::Holder::Other);
    }

    void visibilityRule_data() {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<QStringList>("owners");
        QTest::newRow("admin sees all") << "admin"
                                        << "D" << QStringList{kOwnerA, kOwnerB};
        QTest::newRow("view-only sees all") << "nikos"
                                            << "V" << QStringList{kOwnerA, kOwnerB};
        QTest::newRow("own companies") << "maria"
                                       << "I" << QStringList{kOwnerA};
        QTest::newRow("none assigned") << "eleni"
                                       << "D" << QStringList{};
    }
    void visibilityRule() {
        QFETCH(QString, userName);
        QFETCH(QString, rights);
        QFETCH(QStringList, owners);
        office->owner(kOwnerB, QStringLiteral("Βήτα"), QStringLiteral("nikos"));
        CurrentOperator().UserName = userName;
        CurrentOperator().Rights = rights;
        QStringList seen;
        for (const OverviewOwner& owner :
             OfficeOverviewReader::owners(CompanyVisibility::filterForOpening()))
            seen << owner.afm;
        QCOMPARE(seen, owners);
    }

    void toolPrintsTheLists() {
        office->owner(kOwnerB, QStringLiteral("Βήτα"));
        office->declaration(kOwnerB, 30,
                            {{QStringLiteral("MistosiEosDate"), "20/03/2026"},
                             {QStringLiteral("StadioYpovolis"), "Προσωρινά Αποθηκευμένο"}});
        office->declaration(kOwnerA, 40,
                            {{QStringLiteral("MistosiEosDate"), "20/03/2026"},
                             {QStringLiteral("MistAFM1"), "111111111"},
                             {QStringLiteral("EkmAFM1"), "222222222"}});
        office->declaration(kOwnerA, 41, {{QStringLiteral("MistosiEosDate"), "16/03/2026"}});
        const QString tool = QStringLiteral(OFFICE_OVERVIEW);
        const ToolRun expiring =
            runTool(tool, {office->root(), "expiring", "30", "--today", "15/03/2026"});
        QCOMPARE(expiring.exitCode, 0);
        QCOMPARE(expiring.out, QStringLiteral("094014201\t41\t16/03/2026\n"
                                              "094014201\t40\t20/03/2026\n"
                                              "123456783\t30\t20/03/2026\n"));
        const ToolRun unfinished = runTool(tool, {office->root(), "unfinished"});
        QCOMPARE(unfinished.out, QStringLiteral("123456783\t30\n"));
        const ToolRun unaccepted = runTool(tool, {office->root(), "unaccepted"});
        QCOMPARE(unaccepted.out, QStringLiteral("094014201\t40\tlessor\t222222222\n"
                                                "094014201\t40\tlessee\t111111111\n"));
        TableStore::instance().detachUnused();
        QVERIFY(QFile::remove(
            office->path(QStringLiteral("Data/") + kOwnerB + QStringLiteral("/MistDilMast.DB"))));
        const ToolRun broken = runTool(tool, {office->root(), "unaccepted"});
        QCOMPARE(broken.exitCode, 1);
        QCOMPARE(broken.out, unaccepted.out);
        QVERIFY(broken.err.contains(kOwnerB));
    }

    void toolRefusesWrongArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no list") << QStringList{};
        QTest::newRow("unknown list") << QStringList{"overdue"};
        QTest::newRow("no days") << QStringList{"expiring"};
        QTest::newRow("days 0") << QStringList{"expiring", "0"};
        QTest::newRow("days 731") << QStringList{"expiring", "731"};
        QTest::newRow("bad today") << QStringList{"expiring", "30", "--today", "31/02/2026"};
        QTest::newRow("extra after list") << QStringList{"unfinished", "5"};
    }
    void toolRefusesWrongArguments() {
        QFETCH(QStringList, arguments);
        const ToolRun run =
            runTool(QStringLiteral(OFFICE_OVERVIEW), QStringList{office->root()} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(reasonIsGreek(run), qPrintable(run.err));
    }
};

LETHORA_TEST_MAIN(TestOfficeOverview)
#include "tst_office_overview.moc"
