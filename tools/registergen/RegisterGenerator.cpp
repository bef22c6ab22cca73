#include "tools/registergen/RegisterGenerator.h"
#include "tools/registergen/DeclarationMaker.h"
#include "tools/registergen/RegisterNumbers.h"

#include <algorithm>
#include <numeric>

RegisterDataSet generateRegister(const QString& ownerAfm, int declarations, quint32 seed,
                                 const QString& ownerName) {
    SeededRandom random(seed);
    PartyMaker parties(random, ownerAfm);
    RegisterDataSet set;
    set.ownerAfm = ownerAfm;
    set.ownerName = ownerName;
    if (set.ownerName.isEmpty())
        set.ownerName = random.chance(25) ? parties.company().name : parties.person().name;
    DeclarationMaker maker(random, Party{ownerAfm, set.ownerName}, parties);

    QList<DeclarationDraft> drafts;
    drafts.reserve(declarations);
    QList<QDate> days;            // every filing: each declaration, then its amendments
    QList<qsizetype> firstFiling; // where each declaration's filings begin in days
    for (int i = 0; i < declarations; ++i) {
        drafts << maker.make();
        firstFiling << days.size();
        days << drafts.last().submitted << drafts.last().amendmentDays;
    }
    const QList<qint64> numbers = RegisterNumbers::assign(random, days);

    // In the order of the declarations' numbers; amendments and properties of one
    // declaration are in their keys' order already.
    QList<int> order(declarations);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return numbers.at(firstFiling.at(a)) < numbers.at(firstFiling.at(b));
    });
    const QString dilCodeField = QStringLiteral("DilCode");
    const QString tropDilCodeField = QStringLiteral("TropDilCode");
    for (int i : order) {
        DeclarationDraft& d = drafts[i];
        qsizetype filing = firstFiling.at(i);
        const qlonglong dilCode = numbers.at(filing++);
        d.record.insert(dilCodeField, dilCode);
        set.declarations << d.record;
        for (QVariantMap& amendment : d.amendments) {
            amendment.insert(dilCodeField, dilCode);
            amendment.insert(tropDilCodeField, qlonglong(numbers.at(filing++)));
            set.amendments << amendment;
        }
        for (QVariantMap& property : d.properties) {
            property.insert(dilCodeField, dilCode);
            set.properties << property;
        }
    }
    return set;
}
