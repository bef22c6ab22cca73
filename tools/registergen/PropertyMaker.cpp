#include "tools/registergen/PropertyMaker.h"
#include "tools/registergen/GreekPlaces.h"
#include "tools/registergen/PropertyKinds.h"
#include "tools/registergen/RegisterWords.h"

#include <algorithm>

namespace {
const QDate kFirstCertificateDay(2011, 1, 9);
} // namespace

PropertyMaker::PropertyMaker(SeededRandom& random, PartyMaker& parties)
    : m_random(random), m_parties(parties) {}

PropertyMaker::Address PropertyMaker::address() {
    const GreekPlaces::Municipality& place = m_random.pick(GreekPlaces::municipalities());
    Address a;
    a.street = m_random.pick(GreekPlaces::streets());
    const int number = m_random.between(1, 180);
    a.number = QString::number(number);
    if (m_random.chance(8))
        a.number += m_random.chance(50) ? QStringLiteral("Α") : QStringLiteral("Β");
    else if (m_random.chance(5))
        a.number += QLatin1Char('-') + QString::number(number + 2);
    a.zip = place.zipPrefix +
            QStringLiteral("%1").arg(m_random.between(1, 99), 2, 10, QLatin1Char('0'));
    a.municipality = place.name;
    a.locality = m_random.chance(85) ? m_random.pick(place.localities) : QString();
    a.prefecture = place.prefecture;
    return a;
}

QString PropertyMaker::uniqueAtak() {
    for (;;) {
        // Registry numbers of 8 to 11 digits; some begin with a zero.
        const int length = m_random.between(8, 11);
        const QString atak = m_random.chance(10) ? QLatin1Char('0') + m_random.digits(length - 1)
                                                 : m_random.digits(length, 1);
        // A leading zero makes another number: the length is kept beside the value.
        const quint64 key = atak.toULongLong() * 16 + quint64(atak.size());
        if (!m_ataks.contains(key)) {
            m_ataks.insert(key);
            return atak;
        }
    }
}

QString PropertyMaker::landRegistryCode() {
    if (m_random.chance(20))
        return QString();
    QString code = QLatin1Char('0') + m_random.digits(11, 1);
    if (m_random.chance(25))
        code += QStringLiteral("/0/") + QString::number(m_random.between(1, 12));
    return code;
}

QString PropertyMaker::electricitySupply() {
    return QStringLiteral("1 ") + m_random.digits(8) + QStringLiteral("-0") +
           QString::number(m_random.between(1, 4)) + QLatin1Char(' ') + m_random.digits(1);
}

QString PropertyMaker::area(const AreaRange& range) {
    if (range.highest == 0)
        return QStringLiteral("0,00");
    const int hundredths = m_random.between(range.lowest * 100, range.highest * 100);
    return QStringLiteral("%1,%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

void PropertyMaker::addCertificate(QVariantMap& record, const QDate& agreement) {
    if (m_inspectors.size() < 8 && (m_inspectors.isEmpty() || m_random.chance(5)))
        m_inspectors << Inspector{m_random.digits(5, 1), m_parties.taxNumber(false)};
    const Inspector& inspector = m_random.pick(m_inspectors);
    static const QStringList classes = {
        QStringLiteral("Α+"), QStringLiteral("Α"), QStringLiteral("Β+"),
        QStringLiteral("Β"),  QStringLiteral("Γ"), QStringLiteral("Δ"),
        QStringLiteral("Ε"),  QStringLiteral("Ζ"), QStringLiteral("Η")};
    static const QString securityLetters = QStringLiteral("ABCDEFGHJKLMNPRSTUVWXYZ23456789");
    QString security;
    for (int i = 0; i < 10; ++i)
        security += securityLetters.at(m_random.below(int(securityLetters.size())));
    const QDate issued =
        std::max(kFirstCertificateDay, agreement.addDays(-m_random.between(0, 1200)));
    record.insert(QStringLiteral("CertNum"), m_random.digits(7, 1));
    record.insert(QStringLiteral("CertDate"), dateText(issued));
    record.insert(QStringLiteral("CertAMEPith"), inspector.registration);
    record.insert(QStringLiteral("CertAFMEPith"), inspector.afm);
    record.insert(QStringLiteral("CertAsfNum"), security);
    record.insert(QStringLiteral("Certkatataxi"),
                  classes.at(m_random.weighted({3, 6, 10, 14, 20, 18, 14, 9, 6})));
}

QList<QVariantMap> PropertyMaker::make(LeaseKind lease, int count, qint64 rentCents,
                                       const QDate& agreement) {
    QList<QVariantMap> records;
    const Address main = address();
    qint64 restCents = rentCents;
    for (int aa = 1; aa <= count; ++aa) {
        const PropertyKind& kind = aa == 1 ? PropertyKinds::first(m_random, lease)
                                           : PropertyKinds::further(m_random, lease);
        // Further properties are mostly in the same building or on the same land.
        const Address at = aa == 1 || m_random.chance(70) ? main : address();
        qint64 cents = restCents;
        if (aa < count) {
            cents = rentCents * m_random.between(5, 20) / 100;
            restCents -= cents;
        }
        QVariantMap r;
        r.insert(QStringLiteral("AA"), qlonglong(aa));
        r.insert(QStringLiteral("Eidos"), kind.name);
        r.insert(QStringLiteral("ATAK"), uniqueAtak());
        r.insert(QStringLiteral("KAEK"), landRegistryCode());
        r.insert(QStringLiteral("Odos"), at.street);
        r.insert(QStringLiteral("Num"), at.number);
        r.insert(QStringLiteral("ZipCode"), at.zip);
        r.insert(QStringLiteral("Dimos"), at.municipality);
        r.insert(QStringLiteral("Thesi"), at.locality);
        r.insert(QStringLiteral("Nomos"), at.prefecture);
        r.insert(QStringLiteral("Orofos"), m_random.pick(kind.floors));
        r.insert(QStringLiteral("Descr"),
                 m_random.chance(60) ? m_random.pick(kind.descriptions) : QString());
        r.insert(QStringLiteral("MerikiMistosi"),
                 m_random.chance(4) ? RegisterWords::kYes : RegisterWords::kNo);
        r.insert(QStringLiteral("EpifKX"), area(kind.main));
        r.insert(QStringLiteral("EpifBX"),
                 kind.main.highest > 0 && m_random.chance(30) ? area({2, 20}) : area({}));
        r.insert(QStringLiteral("EpifOiko"), area(kind.plot));
        r.insert(QStringLiteral("MonthlyMist"), double(cents) / 100.0);
        const bool supplied = m_random.chance(kind.suppliedPercent);
        r.insert(QStringLiteral("ExistsDEH"), supplied ? RegisterWords::kYes : RegisterWords::kNo);
        r.insert(QStringLiteral("DEH"), supplied ? electricitySupply() : QString());
        for (const char* field :
             {"CertNum", "CertDate", "CertAMEPith", "CertAFMEPith", "CertAsfNum", "Certkatataxi"})
            r.insert(QString::fromLatin1(field), QString());
        if (m_random.chance(kind.certifiedPercent))
            addCertificate(r, agreement);
        records << r;
    }
    return records;
}
