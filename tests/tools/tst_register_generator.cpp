// The synthetic register: the same for the same seed, and shaped like a real one at the
// size the benchmarks use.

#include "common/DateText.h"
#include "companies/TaxNumber.h"
#include "tests/support/TestMain.h"
#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/RegisterWords.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace {
const QString kOwner = QStringLiteral("094014201");

QString field(const char* base, int n) {
    return QString::fromLatin1(base) + QString::number(n);
}

QDate dateOf(const QVariant& text) {
    return QDate::fromString(text.toString(), QStringLiteral("dd/MM/yyyy"));
}

qint64 cents(const QVariant& amount) {
    return std::llround(amount.toDouble() * 100.0);
}

// How many of lessors or lessees a record carries, when they are numbered from 1 on.
int partiesIn(const QVariantMap& record, const char* base) {
    int n = 0;
    while (n < 5 && record.contains(field(base, n + 1)))
        ++n;
    return n;
}
} // namespace

class TestRegisterGenerator : public QObject {
    Q_OBJECT

    RegisterDataSet big; // the benchmarks' size
    QHash<qlonglong, QList<QVariantMap>> amendmentsOf;
    QHash<qlonglong, QList<QVariantMap>> propertiesOf;

    static QDate submissionDay(const QVariantMap& r) {
        return dateOf(r.value(QStringLiteral("DateDisplay")).toString().left(10));
    }

    // The submission date in both forms, and every party's acceptance: on or after the
    // submission, with a date exactly when accepted.
    void checkSubmission(const QVariantMap& r) {
        static const QRegularExpression shown(
            QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$"));
        const QString display = r.value(QStringLiteral("DateDisplay")).toString();
        QVERIFY2(shown.match(display).hasMatch(), qPrintable(display));
        QCOMPARE(r.value(QStringLiteral("DateYpovolis")).toString(), SwapDateOrder(display));
        const QDate submitted = submissionDay(r);
        QVERIFY2(submitted >= QDate(2015, 1, 1) && submitted <= QDate(2026, 12, 31),
                 qPrintable(submitted.toString(Qt::ISODate)));
        for (const QString& party : {QStringLiteral("Ekm"), QStringLiteral("Mist")})
            for (int k = 1; k <= 5; ++k) {
                const QString check = party + QStringLiteral("CheckApodoxis") + QString::number(k);
                if (!r.contains(check))
                    continue;
                const QString date =
                    r.value(party + QStringLiteral("DateApodoxis") + QString::number(k)).toString();
                const bool accepted = r.value(check) == RegisterWords::kYes;
                QCOMPARE(!date.isEmpty(), accepted);
                if (accepted)
                    QVERIFY(dateOf(date) >= submitted);
            }
    }

private Q_SLOTS:
    void initTestCase() {
        big = generateRegister(kOwner, 10000, 20260101);
        for (const QVariantMap& a : big.amendments)
            amendmentsOf[a.value(QStringLiteral("DilCode")).toLongLong()] << a;
        for (const QVariantMap& p : big.properties)
            propertiesOf[p.value(QStringLiteral("DilCode")).toLongLong()] << p;
    }

    void sameSeedSameRegisterOtherSeedAnother() {
        const RegisterDataSet a = generateRegister(kOwner, 300, 5);
        const RegisterDataSet b = generateRegister(kOwner, 300, 5);
        QCOMPARE(a.ownerName, b.ownerName);
        QCOMPARE(a.declarations, b.declarations);
        QCOMPARE(a.amendments, b.amendments);
        QCOMPARE(a.properties, b.properties);
        const RegisterDataSet c = generateRegister(kOwner, 300, 6);
        QVERIFY(c.declarations != a.declarations);
        QVERIFY(c.properties != a.properties);
        QCOMPARE(c.declarations.size(), 300);
    }

    // A register of any size is made a part at a time: the parts together are the whole
    // register, each in its keys' order after the one before.
    void inPartsTheSameRegisterInItsKeysOrder() {
        const RegisterDataSet whole = generateRegister(kOwner, 300, 5);
        RegisterDataSet joined;
        QList<qsizetype> sizes;
        qlonglong lastKey = 0;
        bool ordered = true;
        generateRegisterInParts(kOwner, 300, 5, QString(), 7, [&](const RegisterDataSet& part) {
            sizes << part.declarations.size();
            for (const QVariantMap& d : part.declarations) {
                const qlonglong key = d.value(QStringLiteral("DilCode")).toLongLong();
                ordered = ordered && key > lastKey;
                lastKey = key;
            }
            QCOMPARE(part.ownerName, whole.ownerName);
            joined.declarations << part.declarations;
            joined.amendments << part.amendments;
            joined.properties << part.properties;
        });
        QVERIFY(ordered);
        QCOMPARE(sizes.size(), 43);
        QCOMPARE(*std::max_element(sizes.begin(), sizes.end()), 7);
        QCOMPARE(joined.declarations, whole.declarations);
        QCOMPARE(joined.amendments, whole.amendments);
        QCOMPARE(joined.properties, whole.properties);
    }

    void totalsAtTheBenchmarkSize() {
        QCOMPARE(big.declarations.size(), 10000);
        QVERIFY2(std::abs(big.amendments.size() - 25000) <= 2500,
                 qPrintable(QString::number(big.amendments.size())));
        QVERIFY2(std::abs(big.properties.size() - 20000) <= 2000,
                 qPrintable(QString::number(big.properties.size())));
    }

    void everyTaxNumberIsValidAndNamesOneParty() {
        QHash<QString, QString> nameOf;
        int checked = 0;
        auto check = [&](const QVariant& afmValue, const QString& name) {
            const QString afm = afmValue.toString();
            QVERIFY2(afm.size() == 9 && IsValidAfm(afm), qPrintable(afm));
            ++checked;
            if (!name.isNull()) {
                const auto known = nameOf.constFind(afm);
                if (known != nameOf.constEnd())
                    QCOMPARE(*known, name);
                nameOf.insert(afm, name);
            }
        };
        for (const QVariantMap& d : big.declarations)
            for (int k = 1; k <= 5; ++k) {
                if (d.contains(field("EkmAFM", k)))
                    check(d.value(field("EkmAFM", k)), d.value(field("EkmName", k)).toString());
                if (d.contains(field("MistAFM", k)))
                    check(d.value(field("MistAFM", k)), d.value(field("MistName", k)).toString());
            }
        for (const QVariantMap& p : big.properties)
            if (!p.value(QStringLiteral("CertAFMEPith")).toString().isEmpty())
                check(p.value(QStringLiteral("CertAFMEPith")), QString());
        QVERIFY(checked > 30000);
        QCOMPARE(nameOf.value(kOwner), big.ownerName);
    }

    void theOwnerLetsEveryPropertyMostlyAsFirstLessor() {
        int first = 0;
        for (const QVariantMap& d : big.declarations) {
            const int lessors = partiesIn(d, "EkmAA");
            int owner = 0;
            int shares = 0;
            for (int k = 1; k <= lessors; ++k) {
                if (d.value(field("EkmAFM", k)) == kOwner)
                    owner = k;
                shares += d.value(field("EkmPososto", k)).toInt();
            }
            QVERIFY(owner > 0);
            QCOMPARE(shares, 100);
            first += owner == 1;
        }
        QVERIFY2(first > 9000 && first < 10000, qPrintable(QString::number(first)));
    }

    void partiesPropertiesAndAmendmentsWithinTheirRanges() {
        QSet<int> lessorCounts, lesseeCounts, propertyCounts, amendmentCounts;
        for (const QVariantMap& d : big.declarations) {
            const qlonglong dilCode = d.value(QStringLiteral("DilCode")).toLongLong();
            const int lessors = partiesIn(d, "EkmAA");
            const int lessees = partiesIn(d, "MistAA");
            lessorCounts << lessors;
            lesseeCounts << lessees;
            // Nothing beyond the last one numbered.
            for (int k = lessors + 1; k <= 5; ++k)
                QVERIFY(!d.contains(field("EkmAFM", k)));
            for (int k = lessees + 1; k <= 5; ++k)
                QVERIFY(!d.contains(field("MistAFM", k)));
            const QList<QVariantMap>& properties = propertiesOf.value(dilCode);
            propertyCounts << int(properties.size());
            qint64 rentsCents = 0;
            for (int i = 0; i < properties.size(); ++i) {
                QCOMPARE(properties.at(i).value(QStringLiteral("AA")).toLongLong(), i + 1);
                rentsCents += cents(properties.at(i).value(QStringLiteral("MonthlyMist")));
            }
            QCOMPARE(rentsCents, cents(d.value(QStringLiteral("TotalMistoma"))));
            amendmentCounts << int(amendmentsOf.value(dilCode).size());
            // An amendment keeps the declaration's parties.
            for (const QVariantMap& a : amendmentsOf.value(dilCode)) {
                QCOMPARE(partiesIn(a, "EkmPososto"), lessors);
                QCOMPARE(partiesIn(a, "MistCheckApodoxis"), lessees);
            }
        }
        QCOMPARE(lessorCounts, (QSet<int>{1, 2, 3, 4, 5}));
        QCOMPARE(lesseeCounts, (QSet<int>{1, 2, 3, 4, 5}));
        QCOMPARE(propertyCounts, (QSet<int>{1, 2, 3, 4}));
        QCOMPARE(amendmentCounts, (QSet<int>{0, 1, 2, 3, 4, 5}));
    }

    void rentsAreWholeCentsWithinTheRange() {
        QList<QVariant> rents;
        for (const QVariantMap& d : big.declarations)
            rents << d.value(QStringLiteral("TotalMistoma"));
        for (const QVariantMap& a : big.amendments)
            rents << a.value(QStringLiteral("TotalMistoma"));
        int withCents = 0;
        for (const QVariant& rent : rents) {
            QCOMPARE(rent.typeId(), int(QMetaType::Double));
            QVERIFY2(rent.toDouble() >= 150.0 && rent.toDouble() <= 5000.0,
                     qPrintable(rent.toString()));
            QCOMPARE(double(cents(rent)) / 100.0, rent.toDouble());
            withCents += cents(rent) % 100 != 0;
        }
        QVERIFY(withCents > 1000);
    }

    void datesFollowEachOther() {
        for (const QVariantMap& d : big.declarations) {
            checkSubmission(d);
            if (QTest::currentTestFailed())
                return;
            const QDate declared = submissionDay(d);
            const QDate agreement = dateOf(d.value(QStringLiteral("SimfonitikoDate")));
            const QDate from = dateOf(d.value(QStringLiteral("MistosiApoDate")));
            QDate until = dateOf(d.value(QStringLiteral("MistosiEosDate")));
            QVERIFY(agreement.isValid());
            QVERIFY(agreement < from);
            QVERIFY(from < until);
            QDate previous = declared;
            for (const QVariantMap& a :
                 amendmentsOf.value(d.value(QStringLiteral("DilCode")).toLongLong())) {
                checkSubmission(a);
                if (QTest::currentTestFailed())
                    return;
                const QDate submitted = submissionDay(a);
                QVERIFY(submitted > previous);
                previous = submitted;
                QCOMPARE(dateOf(a.value(QStringLiteral("MistosiApoDate"))), from);
                const QDate ends = dateOf(a.value(QStringLiteral("MistosiEosDate")));
                QVERIFY(ends > from);
                if (a.value(QStringLiteral("EidosDilosis")) == RegisterWords::kTermination)
                    QVERIFY(ends <= until); // a termination ends the lease early or on time
                until = ends;
            }
        }
    }

    void aTerminationIsTheNewestAmendment() {
        int terminations = 0;
        for (auto it = amendmentsOf.cbegin(); it != amendmentsOf.cend(); ++it) {
            const QList<QVariantMap>& list = it.value();
            qlonglong previous = it.key();
            for (int i = 0; i < list.size(); ++i) {
                const qlonglong number =
                    list.at(i).value(QStringLiteral("TropDilCode")).toLongLong();
                QVERIFY(number > previous);
                previous = number;
                const bool termination =
                    list.at(i).value(QStringLiteral("EidosDilosis")) == RegisterWords::kTermination;
                if (termination) {
                    QCOMPARE(i, list.size() - 1);
                    ++terminations;
                } else {
                    QCOMPARE(list.at(i).value(QStringLiteral("EidosDilosis")).toString(),
                             RegisterWords::kAmending);
                }
            }
        }
        QVERIFY(terminations > 1000);
    }

    void keysAndRegistryNumbersAreUnique() {
        QSet<qlonglong> numbers;
        for (const QVariantMap& d : big.declarations) {
            const QVariant code = d.value(QStringLiteral("DilCode"));
            QCOMPARE(code.typeId(), int(QMetaType::LongLong));
            QVERIFY2(code.toLongLong() >= 1000000 && code.toLongLong() < 1000000000,
                     qPrintable(code.toString()));
            numbers << code.toLongLong();
            QCOMPARE(d.value(QStringLiteral("FilterField")).toLongLong(), 0);
            QCOMPARE(d.value(QStringLiteral("EidosDilosis")).toString(), RegisterWords::kInitial);
        }
        for (const QVariantMap& a : big.amendments)
            numbers << a.value(QStringLiteral("TropDilCode")).toLongLong();
        QCOMPARE(numbers.size(), big.declarations.size() + big.amendments.size());

        QSet<QString> ataks;
        int leadingZero = 0;
        const QRegularExpression digits(QStringLiteral("^\\d{8,11}$"));
        for (const QVariantMap& p : big.properties) {
            const QString atak = p.value(QStringLiteral("ATAK")).toString();
            QVERIFY2(digits.match(atak).hasMatch(), qPrintable(atak));
            ataks << atak;
            leadingZero += atak.startsWith(QLatin1Char('0'));
        }
        QCOMPARE(ataks.size(), big.properties.size());
        QVERIFY(leadingZero > 0);
    }

    void provisionalOnesAtScale() {
        int declarations = 0, amendments = 0;
        for (const QVariantMap& d : big.declarations) {
            const QString stage = d.value(QStringLiteral("StadioYpovolis")).toString();
            QVERIFY(stage == RegisterWords::kProvisional || stage == RegisterWords::kSubmitted ||
                    stage == RegisterWords::kFinalised);
            const QList<QVariantMap>& list =
                amendmentsOf.value(d.value(QStringLiteral("DilCode")).toLongLong());
            if (stage == RegisterWords::kProvisional) {
                ++declarations;
                QVERIFY(list.isEmpty()); // nothing amends a declaration never submitted
            }
            for (int i = 0; i < list.size(); ++i)
                if (list.at(i).value(QStringLiteral("StadioYpovolis")) ==
                    RegisterWords::kProvisional) {
                    QCOMPARE(i, list.size() - 1);
                    ++amendments;
                }
        }
        QVERIFY(declarations > 100);
        QVERIFY(amendments > 100);
    }

    void manyLeasesEndAroundNow() {
        int ending2026 = 0;
        for (const QVariantMap& d : big.declarations) {
            const QList<QVariantMap>& list =
                amendmentsOf.value(d.value(QStringLiteral("DilCode")).toLongLong());
            const QVariantMap& newest = list.isEmpty() ? d : list.last();
            ending2026 += dateOf(newest.value(QStringLiteral("MistosiEosDate"))).year() == 2026;
        }
        QVERIFY2(ending2026 > 300, qPrintable(QString::number(ending2026)));
    }

    void greekNamesAsThePlatformShowsThem() {
        int finalSigma = 0, accented = 0, capitals = 0, companies = 0;
        for (const QVariantMap& d : big.declarations)
            for (int k = 1; k <= 5; ++k) {
                const QString name = d.value(field("MistName", k)).toString();
                finalSigma += name.contains(QStringLiteral("ς"));
                accented += name.contains(QRegularExpression(QStringLiteral("[άέήίόύώ]")));
                capitals += !name.isEmpty() && name == name.toUpper();
                companies += name.endsWith(QStringLiteral("Α.Ε."));
            }
        QVERIFY(finalSigma > 100);
        QVERIFY(accented > 100);
        QVERIFY(capitals > 100);
        QVERIFY(companies > 10);
    }

    void aGivenOwnerNameIsTheOwnersName() {
        const QString name = QStringLiteral("Ζαχαρίου Ελένη");
        const RegisterDataSet set = generateRegister(kOwner, 50, 3, name);
        QCOMPARE(set.ownerName, name);
        for (const QVariantMap& d : set.declarations)
            for (int k = 1; k <= 5; ++k)
                if (d.value(field("EkmAFM", k)) == kOwner)
                    QCOMPARE(d.value(field("EkmName", k)).toString(), name);
    }
};

LETHORA_TEST_MAIN(TestRegisterGenerator)
#include "tst_register_generator.moc"
