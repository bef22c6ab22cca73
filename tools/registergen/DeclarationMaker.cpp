#include "tools/registergen/DeclarationMaker.h"
#include "common/DateText.h"
#include "tools/registergen/GreekPlaces.h"
#include "tools/registergen/RegisterWords.h"

#include <QTime>

namespace {

QString numbered(const char* field, int n) {
    return QString::fromLatin1(field) + QString::number(n);
}

QString yesOrEmpty(bool ticked) {
    return ticked ? RegisterWords::kYes : QString();
}

// Shares of the ownership in steps of five per cent, adding up to a hundred.
QStringList shares(SeededRandom& random, int owners) {
    QList<int> units(owners, 1);
    for (int rest = 20 - owners; rest > 0; --rest)
        units[random.below(owners)]++;
    QStringList texts;
    for (int u : units)
        texts << QString::number(u * 5);
    return texts;
}

QString declarationNote(SeededRandom& random) {
    static const QStringList lines = {
        QStringLiteral("Το μίσθωμα καταβάλλεται έως την 5η ημέρα κάθε μήνα."),
        QStringLiteral("Η μίσθωση περιλαμβάνει θέση στάθμευσης."),
        QStringLiteral("Καταβλήθηκε εγγύηση δύο μισθωμάτων."),
        QStringLiteral("Τα κοινόχρηστα βαρύνουν τον μισθωτή."),
        QStringLiteral("Ετήσια αναπροσαρμογή μισθώματος κατά 2%."),
        QStringLiteral("Το ακίνητο παραδίδεται επιπλωμένο."),
        QStringLiteral("Ο μισθωτής αναλαμβάνει τις μικροεπισκευές."),
    };
    if (!random.chance(15))
        return QString();
    QStringList note;
    const int count = random.between(1, 3);
    const int start = random.below(int(lines.size()));
    for (int i = 0; i < count; ++i)
        note << lines.at((start + i) % lines.size());
    return note.join(QLatin1Char('\n'));
}
} // namespace

DeclarationMaker::DeclarationMaker(SeededRandom& random, const Party& owner, PartyMaker& parties)
    : m_random(random), m_owner(owner), m_parties(parties), m_properties(random, parties) {
    for (int i = 0; i < 4; ++i)
        m_coOwners << m_parties.person();
}

QList<DeclarationMaker::Lessor> DeclarationMaker::lessors(bool sublease) {
    const int count = 1 + m_random.weighted({70, 18, 7, 3, 2});
    QList<Party> others = m_coOwners;
    QList<Lessor> list;
    for (int i = 1; i < count; ++i)
        list << Lessor{others.takeAt(m_random.below(int(others.size()))), QString(), QString()};
    // The owner files the declaration and is mostly the first lessor.
    const int ownerAt = count > 1 && m_random.chance(8) ? 1 : 0;
    list.insert(ownerAt, Lessor{m_owner, QString(), QString(), true});
    const QStringList parts = shares(m_random, count);
    for (int i = 0; i < count; ++i) {
        list[i].share = parts.at(i);
        list[i].capacity = sublease && list[i].submitter ? QStringLiteral("Υπεκμισθωτής")
                           : m_random.chance(90) ? QStringLiteral("Πλήρης Κυριότητα")
                                                 : QStringLiteral("Επικαρπία");
    }
    return list;
}

DeclarationMaker::Acceptance DeclarationMaker::acceptance(const QDate& submitted, bool provisional,
                                                          bool submitter) {
    if (provisional)
        return {QString(), RegisterWords::kNo};
    if (submitter)
        return {dateText(submitted), RegisterWords::kYes};
    // Most parties accept within days; some recent filings are still waiting.
    const QDate accepted = submitted.addDays(m_random.between(0, 20));
    const bool recent = submitted.daysTo(kRegisterDay) < 90;
    if (accepted > kRegisterDay || !m_random.chance(recent ? 85 : 98))
        return {QString(), RegisterWords::kNo};
    return {dateText(accepted), RegisterWords::kYes};
}

void DeclarationMaker::addSubmission(QVariantMap& record, const QDate& submitted, bool provisional,
                                     const QList<Lessor>& lessors, int lessees, bool amending) {
    const int second = m_random.between(8 * 3600, 23 * 3600 - 1);
    const QString shown =
        dateText(submitted) + QLatin1Char(' ') +
        QTime::fromMSecsSinceStartOfDay(second * 1000).toString(QStringLiteral("HH:mm:ss"));
    record.insert(QStringLiteral("DateDisplay"), shown);
    record.insert(QStringLiteral("DateYpovolis"), SwapDateOrder(shown));
    bool everyone = true;
    for (int k = 1; k <= lessors.size(); ++k) {
        const Lessor& lessor = lessors.at(k - 1);
        if (!amending) {
            record.insert(numbered("EkmAA", k), QString::number(k));
            record.insert(numbered("EkmAFM", k), lessor.party.afm);
            record.insert(numbered("EkmName", k), lessor.party.name);
            record.insert(numbered("EkmIdiotita", k), lessor.capacity);
        }
        record.insert(numbered("EkmPososto", k), lessor.share);
        const Acceptance a = acceptance(submitted, provisional, lessor.submitter);
        record.insert(numbered("EkmDateApodoxis", k), a.date);
        record.insert(numbered("EkmCheckApodoxis", k), a.check);
        everyone = everyone && a.check == RegisterWords::kYes;
    }
    for (int k = 1; k <= lessees; ++k) {
        const Acceptance a = acceptance(submitted, provisional, false);
        record.insert(numbered("MistDateApodoxis", k), a.date);
        record.insert(numbered("MistCheckApodoxis", k), a.check);
        everyone = everyone && a.check == RegisterWords::kYes;
    }
    record.insert(QStringLiteral("StadioYpovolis"), provisional ? RegisterWords::kProvisional
                                                    : everyone  ? RegisterWords::kFinalised
                                                                : RegisterWords::kSubmitted);
}

void DeclarationMaker::addTerms(QVariantMap& record, const LeaseTerms& terms) {
    record.insert(QStringLiteral("SimfonitikoDate"), dateText(terms.agreement));
    record.insert(QStringLiteral("MistosiApoDate"), dateText(terms.from));
    record.insert(QStringLiteral("MistosiEosDate"), dateText(terms.until));
    record.insert(QStringLiteral("TotalMistoma"), double(terms.rentCents) / 100.0);
}

QVariantMap DeclarationMaker::amendmentRecord(const AmendmentDraft& draft,
                                              const QList<Lessor>& lessors, int lessees) {
    QVariantMap r;
    r.insert(QStringLiteral("EidosDilosis"),
             draft.termination ? RegisterWords::kTermination : RegisterWords::kAmending);
    addSubmission(r, draft.submitted, draft.provisional, lessors, lessees, true);
    addTerms(r, draft.terms);
    r.insert(QStringLiteral("Simiosis"), draft.note);
    return r;
}

DeclarationDraft DeclarationMaker::make(const QDate& submitted) {
    DeclarationDraft d;
    d.submitted = submitted;
    const LeaseKind kind = LeaseTermsMaker::kind(m_random);
    const LeaseTerms terms = LeaseTermsMaker::initial(m_random, kind, d.submitted);
    const bool provisional = m_random.chance(4);
    const bool sublease = m_random.chance(3);
    const QList<Lessor> owners = lessors(sublease);
    const int lessees = 1 + m_random.weighted({58, 24, 10, 5, 3});

    QVariantMap& r = d.record;
    r.insert(QStringLiteral("EidosDilosis"), RegisterWords::kInitial);
    addSubmission(r, d.submitted, provisional, owners, lessees, false);
    for (int k = 1; k <= lessees; ++k) {
        const Party lessee = m_parties.lessee(kind == LeaseKind::Business);
        r.insert(numbered("MistAA", k), QString::number(k));
        r.insert(numbered("MistAFM", k), lessee.afm);
        r.insert(numbered("MistName", k), lessee.name);
    }
    r.insert(QStringLiteral("EidosTarvenis"), LeaseTermsMaker::kindName(kind));
    addTerms(r, terms);
    const bool shortLets = kind == LeaseKind::Home && m_random.chance(10);
    r.insert(QStringLiteral("DilCheck1"), yesOrEmpty(shortLets));
    r.insert(QStringLiteral("DilCheck2"),
             yesOrEmpty(m_random.chance(kind == LeaseKind::Farm ? 40 : 1)));
    r.insert(QStringLiteral("DilCheck3"), yesOrEmpty(!shortLets && m_random.chance(45)));
    r.insert(QStringLiteral("DilCheck4"),
             yesOrEmpty(kind == LeaseKind::Business && m_random.chance(30)));
    r.insert(QStringLiteral("DilCheck5"), yesOrEmpty(sublease));
    // A sublease refers to the head lease: its number, year and tax office.
    r.insert(QStringLiteral("YpekmCode"), sublease ? m_random.digits(8, 1) : QString());
    r.insert(QStringLiteral("YpekmEtos"),
             sublease ? QString::number(terms.agreement.year() - m_random.between(0, 6))
                      : QString());
    r.insert(QStringLiteral("YpekmDoy"),
             sublease ? m_random.pick(GreekPlaces::municipalities()).taxOffice : QString());
    r.insert(QStringLiteral("Simiosis"), declarationNote(m_random));
    r.insert(QStringLiteral("FilterField"), qlonglong(0));

    d.properties = m_properties.make(kind, 1 + m_random.weighted({40, 30, 20, 10}), terms.rentCents,
                                     terms.agreement);
    if (!provisional) {
        const int count = m_random.weighted({15, 14, 17, 20, 18, 16});
        for (const AmendmentDraft& a : AmendmentChain::make(m_random, d.submitted, terms, count)) {
            d.amendmentDays << a.submitted;
            d.amendments << amendmentRecord(a, owners, lessees);
        }
    }
    return d;
}
