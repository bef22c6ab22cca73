#include "tools/registergen/PartyMaker.h"
#include "companies/TaxNumber.h"
#include "tools/registergen/GreekNames.h"

PartyMaker::PartyMaker(SeededRandom& random, const QString& ownerAfm) : m_random(random) {
    m_usedAfms.insert(ownerAfm.toUInt());
}

QString PartyMaker::taxNumber(bool forCompany) {
    for (;;) {
        QString afm;
        static const QStringList companyPrefixes = {QStringLiteral("09"), QStringLiteral("80"),
                                                    QStringLiteral("99")};
        if (forCompany)
            afm = m_random.pick(companyPrefixes) + m_random.digits(6);
        else
            afm = QString::number(m_random.below(2)) + m_random.digits(7);
        // Exactly one last digit passes the check.
        for (char last = '0'; last <= '9'; ++last)
            if (IsValidAfm(afm + QLatin1Char(last))) {
                afm += QLatin1Char(last);
                break;
            }
        const quint32 digits = afm.toUInt();
        if (!m_usedAfms.contains(digits) && digits != 0) {
            m_usedAfms.insert(digits);
            return afm;
        }
    }
}

QString PartyMaker::styled(const QString& name) {
    return m_random.chance(30) ? GreekNames::platformCapitals(name) : name;
}

Party PartyMaker::person() {
    const GreekNames::Surname& surname = m_random.pick(GreekNames::surnames());
    const bool female = m_random.chance(50);
    const QString first =
        m_random.pick(female ? GreekNames::femaleFirstNames() : GreekNames::maleFirstNames());
    const QString name = (female ? surname.female : surname.male) + QLatin1Char(' ') + first;
    return {taxNumber(false), styled(name)};
}

Party PartyMaker::company() {
    QString name;
    switch (m_random.below(3)) {
    case 0: // brothers' firm; the family name in the genitive, which is the female form
        name = QStringLiteral("Αφοί ") + m_random.pick(GreekNames::surnames()).female +
               QLatin1Char(' ') + m_random.pick(GreekNames::partnershipForms());
        break;
    case 1:
        name = m_random.pick(GreekNames::surnames()).male + QLatin1Char(' ') +
               m_random.pick(GreekNames::maleFirstNames()).left(1) + QStringLiteral(". & Σία ") +
               m_random.pick(GreekNames::partnershipForms());
        break;
    default:
        name = m_random.pick(GreekNames::companyWords()) + QLatin1Char(' ') +
               m_random.pick(GreekNames::companyActivities()) + QLatin1Char(' ') +
               m_random.pick(GreekNames::legalForms());
        break;
    }
    return {taxNumber(true), styled(name)};
}

Party PartyMaker::lessee(bool business) {
    if (!m_lessees.isEmpty() && m_random.chance(10)) {
        const Kept& kept = m_lessees.at(m_random.below(int(m_lessees.size())));
        return {QStringLiteral("%1").arg(kept.afm, 9, 10, QLatin1Char('0')), m_names.at(kept.name)};
    }
    const Party party = m_random.chance(business ? 70 : 5) ? company() : person();
    auto name = m_nameIndex.constFind(party.name);
    if (name == m_nameIndex.constEnd()) {
        name = m_nameIndex.insert(party.name, qint32(m_names.size()));
        m_names << party.name;
    }
    m_lessees << Kept{party.afm.toUInt(), *name};
    return party;
}
