#pragma once
// The workspace's filter: finds every declaration that meets all the criteria filled in
// — property, lessee, lease expiry period, stage — reading the tables in bulk. The
// workspace marks them (FilterField = 1) in one transaction; the command-line tools
// only read what it finds and never write the marks.

#include "workspace/StageChoice.h"

#include <QList>
#include <QString>

struct FilterCriteria {
    StageChoice stage = StageChoice::Unchosen;
    QString name;                  // lessee name
    QString afm;                   // lessee tax number
    QString dateFrom;              // date box text "DD/MM/YYYY", or its empty state "  /  /20  "
    QString dateTo;                // the same
    bool withTerminations = false; // "με λύσεις μισθώσεων"
    bool adjustable = false;       // "αναπροσαρμοζόμενα"
    QString declarationNumber;
    QString atak;
    QString address;
};

struct FilterGroups {
    bool property = false;
    bool lessee = false;
    bool expiry = false;
    bool stage = false;
    bool any() const { return property || lessee || expiry || stage; }
};

struct FilterOutcome {
    FilterGroups groups;
    int marked = 0;
    // Whether the declarations list should show only the marked ones.
    bool filterOn() const { return marked > 0 || groups.any(); }
};

namespace RegisterFilter {
FilterGroups groupsOf(const FilterCriteria& criteria);
// The adjustable search needs both dates: false when one is missing (nothing is done).
bool adjustableHasDates(const FilterCriteria& criteria);
// Each expiry date is a calendar date "DD/MM/YYYY" or the box's empty state: false for a
// date that cannot be searched for (nothing is done).
bool datesAreDates(const FilterCriteria& criteria);
// The declarations that pass, highest DilCode first; none when no criterion is filled
// in. Nothing is written. A date of the register that is not a calendar date ends the
// search with an error.
QList<qlonglong> find(const FilterCriteria& criteria);
// Finds the declarations, then clears every mark and marks them in one transaction. A
// search that fails leaves the marks as they were.
FilterOutcome run(const FilterCriteria& criteria);
// A cursor filter expression that lets through exactly the declarations given.
QString onlyThese(const QList<qlonglong>& dilCodes);

inline const QString kAdjustableNeedsDates =
    QStringLiteral("Για κατάλογο πιθανών αναπροσαρμοζόμενων συμβολαίων είναι απαραίτητο να "
                   "οορίσετε ημερομηνίες λήξης "
                   "μίσθωσης \"από\" και \"έως\" ");
inline const QString kNotADate =
    QStringLiteral("Η ημερομηνία λήξης μίσθωσης που δώσατε δεν είναι σωστή ημερομηνία. "
                   "Διορθώστε την (ΗΗ/ΜΜ/ΕΕΕΕ) ή σβήστε την.");
} // namespace RegisterFilter
