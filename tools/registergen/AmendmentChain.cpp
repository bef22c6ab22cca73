#include "tools/registergen/AmendmentChain.h"

#include <algorithm>

namespace {

QString terminationNote(SeededRandom& random) {
    static const QStringList notes = {
        QStringLiteral("Λύση της μίσθωσης με κοινή συμφωνία των μερών."),
        QStringLiteral("Πρόωρη αποχώρηση του μισθωτή.\nΤο ακίνητο παραδόθηκε κενό."),
        QStringLiteral("Καταγγελία της σύμβασης από τον μισθωτή."),
        QStringLiteral("Λύση λόγω πώλησης του ακινήτου."),
    };
    return random.pick(notes);
}

// Changes the terms as an ordinary amendment does and says what changed, now and then.
QString amend(SeededRandom& random, LeaseTerms& terms) {
    QString note;
    switch (random.weighted({45, 25, 30})) {
    case 0: {
        const int percent = random.between(2, 10);
        terms.rentCents = LeaseTermsMaker::raisedRent(terms.rentCents, percent);
        note = QStringLiteral("Αναπροσαρμογή μισθώματος κατά %1%.").arg(percent);
        break;
    }
    case 1:
        terms.until = terms.until.addYears(random.between(1, 3));
        note =
            QStringLiteral("Παράταση της μίσθωσης έως ") + dateText(terms.until) + QLatin1Char('.');
        break;
    default:
        note = random.chance(50) ? QStringLiteral("Διόρθωση στοιχείων μισθωτή.")
                                 : QStringLiteral("Διόρθωση στοιχείων ακινήτου.\n"
                                                  "Οι λοιποί όροι παραμένουν ως έχουν.");
        break;
    }
    return random.chance(45) ? note : QString();
}
} // namespace

QList<AmendmentDraft> AmendmentChain::make(SeededRandom& random, const QDate& declared,
                                           const LeaseTerms& initial, int count) {
    QList<AmendmentDraft> chain;
    const bool endsTerminated = random.chance(28);
    QDate previous = declared;
    LeaseTerms terms = initial;
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        AmendmentDraft draft;
        draft.termination = last && endsTerminated;
        // Amendments come while the lease runs or shortly after; a termination within it.
        const QDate windowEnd =
            std::min(kRegisterDay, draft.termination ? terms.until : terms.until.addDays(90));
        const qint64 room = previous.daysTo(windowEnd);
        if (room < 1)
            break;
        const int step = int(std::max<qint64>(1, room / (count - i)));
        draft.submitted = previous.addDays(random.between(std::max(1, step / 3), step));
        if (draft.termination) {
            QDate ends = draft.submitted.addDays(-random.between(0, 30));
            ends = std::clamp(ends, terms.from.addDays(1), terms.until);
            terms.until = ends;
            draft.note = random.chance(60) ? terminationNote(random) : QString();
        } else {
            draft.note = amend(random, terms);
        }
        draft.terms = terms;
        draft.provisional = last && random.chance(8);
        chain << draft;
        previous = draft.submitted;
    }
    return chain;
}
