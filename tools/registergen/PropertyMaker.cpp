#include "tools/registergen/PropertyMaker.h"
#include "tools/registergen/GreekPlaces.h"
#include "tools/registergen/RegisterWords.h"

#include <algorithm>

namespace {
struct PropertyKind {
    QString name;
    int lowestArea, highestArea; // square metres of the main area; 0 for land
    int lowestPlot, highestPlot; // square metres of the plot; 0 when none of its own
    QStringList floors;
    int certifiedPercent; // how many carry an energy certificate
    int suppliedPercent;  // how many have an electricity supply
    QStringList descriptions;
};

const QStringList kUpperFloors = {QStringLiteral("1ος"), QStringLiteral("2ος"),
                                  QStringLiteral("3ος"), QStringLiteral("4ος"),
                                  QStringLiteral("5ος")};

enum Kind { Apartment, House, Shop, Office, Storage, Parking, Workshop, Land };

const PropertyKind& kindInfo(Kind kind) {
    static const PropertyKind kinds[] = {
        {QStringLiteral("Κατοικία (Διαμέρισμα)"),
         30,
         160,
         0,
         0,
         QStringList{QStringLiteral("Ισόγειο"), QStringLiteral("Ημιώροφος")} + kUpperFloors +
             QStringList{QStringLiteral("6ος")},
         75,
         100,
         {QStringLiteral("Διαμέρισμα δύο υπνοδωματίων"), QStringLiteral("Γκαρσονιέρα"),
          QStringLiteral("Ρετιρέ με βεράντα"), QStringLiteral("Διαμέρισμα προσόψεως")}},
        {QStringLiteral("Κατοικία (Μονοκατοικία)"),
         70,
         250,
         200,
         1500,
         {QStringLiteral("Ισόγειο")},
         70,
         100,
         {QStringLiteral("Διώροφη μονοκατοικία με κήπο"), QStringLiteral("Μονοκατοικία με αυλή")}},
        {QStringLiteral("Κατάστημα"),
         20,
         400,
         0,
         0,
         {QStringLiteral("Ισόγειο")},
         60,
         100,
         {QStringLiteral("Γωνιακό κατάστημα με πατάρι"),
          QStringLiteral("Κατάστημα ισογείου με βιτρίνα")}},
        {QStringLiteral("Γραφείο"),
         25,
         250,
         0,
         0,
         kUpperFloors,
         65,
         100,
         {QStringLiteral("Γραφειακός χώρος τριών αιθουσών"),
          QStringLiteral("Γραφείο με αίθουσα αναμονής")}},
        {QStringLiteral("Αποθήκη"),
         4,
         60,
         0,
         0,
         {QStringLiteral("Υπόγειο"), QStringLiteral("Ισόγειο")},
         0,
         40,
         {QStringLiteral("Αποθήκη υπογείου"), QStringLiteral("Αποθηκευτικός χώρος")}},
        {QStringLiteral("Θέση Στάθμευσης"),
         10,
         15,
         0,
         0,
         {QStringLiteral("Υπόγειο"), QStringLiteral("Πυλωτή")},
         0,
         0,
         {QStringLiteral("Κλειστή θέση στάθμευσης"), QStringLiteral("Θέση στάθμευσης πυλωτής")}},
        {QStringLiteral("Βιομηχανοστάσιο"),
         200,
         3000,
         1000,
         10000,
         {QStringLiteral("Ισόγειο")},
         50,
         100,
         {QStringLiteral("Βιοτεχνικός χώρος με γραφεία")}},
        {QStringLiteral("Αγροτεμάχιο"),
         0,
         0,
         1000,
         50000,
         {QString()},
         0,
         10,
         {QStringLiteral("Ελαιώνας"), QStringLiteral("Αμπελώνας"),
          QStringLiteral("Αγροτεμάχιο με αρδευτική γεώτρηση")}},
    };
    return kinds[kind];
}

Kind firstKind(SeededRandom& random, LeaseKind lease) {
    switch (lease) {
    case LeaseKind::Home:
        return random.chance(80) ? Apartment : House;
    case LeaseKind::Student:
        return Apartment;
    case LeaseKind::Business: {
        static const Kind kinds[] = {Shop, Office, Storage, Workshop};
        return kinds[random.weighted({45, 35, 8, 12})];
    }
    case LeaseKind::Farm:
        return Land;
    }
    return Apartment;
}

// What is let together with the main property.
Kind furtherKind(SeededRandom& random, LeaseKind lease) {
    switch (lease) {
    case LeaseKind::Home:
    case LeaseKind::Student:
        return random.chance(50) ? Storage : Parking;
    case LeaseKind::Business: {
        static const Kind kinds[] = {Storage, Parking, Office};
        return kinds[random.weighted({40, 30, 30})];
    }
    case LeaseKind::Farm:
        return random.chance(70) ? Land : Storage;
    }
    return Storage;
}

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
        if (!m_ataks.contains(atak)) {
            m_ataks.insert(atak);
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

QString PropertyMaker::area(int lowest, int highest) {
    if (highest == 0)
        return QStringLiteral("0,00");
    const int hundredths = m_random.between(lowest * 100, highest * 100);
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
    record.insert(QStringLiteral("CertDate"), issued.toString(QStringLiteral("dd/MM/yyyy")));
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
        const PropertyKind& kind =
            kindInfo(aa == 1 ? firstKind(m_random, lease) : furtherKind(m_random, lease));
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
        r.insert(QStringLiteral("EpifKX"), area(kind.lowestArea, kind.highestArea));
        r.insert(QStringLiteral("EpifBX"),
                 kind.highestArea > 0 && m_random.chance(30) ? area(2, 20) : area(0, 0));
        r.insert(QStringLiteral("EpifOiko"), area(kind.lowestPlot, kind.highestPlot));
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
