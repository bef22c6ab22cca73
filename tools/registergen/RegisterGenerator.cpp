#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/DeclarationMaker.h"
#include "tools/registergen/RegisterNumbers.h"

#include <algorithm>

namespace {
// The generator from its seed: each pass over it makes the same declarations in the same
// order.
class DraftSource {
public:
    DraftSource(const QString& ownerAfm, int declarations, quint32 seed, const QString& ownerName)
        : m_random(seed), m_parties(m_random, ownerAfm),
          m_ownerName(ownerName.isEmpty() ? madeUpName() : ownerName),
          m_maker(m_random, Party{ownerAfm, m_ownerName}, m_parties) {
        // The submission days, earliest first: the declarations are made in this order.
        const int span = int(kFirstSubmissionDay.daysTo(kRegisterDay));
        m_days.reserve(declarations);
        for (int i = 0; i < declarations; ++i)
            m_days << m_random.between(0, span);
        std::sort(m_days.begin(), m_days.end());
    }

    const QString& ownerName() const { return m_ownerName; }
    SeededRandom& random() { return m_random; }
    DeclarationDraft make(qsizetype i) {
        return m_maker.make(kFirstSubmissionDay.addDays(m_days.at(i)));
    }

private:
    QString madeUpName() {
        return m_random.chance(25) ? m_parties.company().name : m_parties.person().name;
    }

    SeededRandom m_random;
    PartyMaker m_parties;
    QString m_ownerName;
    DeclarationMaker m_maker;
    QList<int> m_days; // days after the first submission day
};

// The registration number of every filing, each declaration followed by its amendments,
// in the order the declarations are made.
QList<qint64> filingNumbers(const QString& ownerAfm, int declarations, quint32 seed,
                            const QString& ownerName, int partSize,
                            const std::function<void()>& checkpoint) {
    DraftSource source(ownerAfm, declarations, seed, ownerName);
    QList<QDate> days;
    for (int i = 0; i < declarations; ++i) {
        if (checkpoint && i % partSize == 0)
            checkpoint();
        const DeclarationDraft d = source.make(i);
        days << d.submitted << d.amendmentDays;
    }
    return RegisterNumbers::assign(source.random(), days);
}
} // namespace

void generateRegisterInParts(const QString& ownerAfm, int declarations, quint32 seed,
                             const QString& ownerName, int partSize,
                             const std::function<void(const RegisterDataSet&)>& take,
                             const std::function<void()>& checkpoint) {
    partSize = std::max(1, partSize);
    const QList<qint64> numbers =
        filingNumbers(ownerAfm, declarations, seed, ownerName, partSize, checkpoint);
    DraftSource source(ownerAfm, declarations, seed, ownerName);
    RegisterDataSet part;
    part.ownerAfm = ownerAfm;
    part.ownerName = source.ownerName();
    const QString dilCodeField = QStringLiteral("DilCode");
    const QString tropDilCodeField = QStringLiteral("TropDilCode");
    qsizetype filing = 0;
    for (int i = 0; i < declarations; ++i) {
        if (i % partSize == 0) {
            if (i > 0) {
                take(part);
                part.declarations.clear();
                part.amendments.clear();
                part.properties.clear();
            }
            if (checkpoint)
                checkpoint();
        }
        DeclarationDraft d = source.make(i);
        const qlonglong dilCode = numbers.at(filing++);
        d.record.insert(dilCodeField, dilCode);
        part.declarations << d.record;
        for (QVariantMap& amendment : d.amendments) {
            amendment.insert(dilCodeField, dilCode);
            amendment.insert(tropDilCodeField, qlonglong(numbers.at(filing++)));
            part.amendments << amendment;
        }
        for (QVariantMap& property : d.properties) {
            property.insert(dilCodeField, dilCode);
            part.properties << property;
        }
    }
    if (!part.declarations.isEmpty() || declarations == 0)
        take(part);
}

RegisterDataSet generateRegister(const QString& ownerAfm, int declarations, quint32 seed,
                                 const QString& ownerName) {
    RegisterDataSet set;
    set.ownerAfm = ownerAfm;
    generateRegisterInParts(ownerAfm, declarations, seed, ownerName, 1000,
                            [&set](const RegisterDataSet& part) {
                                set.ownerName = part.ownerName;
                                set.declarations << part.declarations;
                                set.amendments << part.amendments;
                                set.properties << part.properties;
                            });
    return set;
}
