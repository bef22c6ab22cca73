#pragma once
// The workspace's filter: marks (FilterField = 1) every declaration that meets all the
// criteria filled in — property, lessee, lease expiry period, stage — reading the
// tables in bulk and writing the marks in one transaction.

#include <QString>

struct FilterCriteria {
    int stage = 0;    // the stage list's item: 0 and 1 none, 2 active, 3 final, 4 provisional
    QString name;     // lessee name
    QString afm;      // lessee tax number
    QString dateFrom; // date box text "DD/MM/YYYY", or its empty state "  /  /20  "
    QString dateTo;   // the same
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
// Clears every mark, then marks the declarations that pass. A date of the register
// that is not a calendar date ends the run with an error (the marks are cleared).
FilterOutcome run(const FilterCriteria& criteria);

inline const QString kAdjustableNeedsDates =
    QStringLiteral("Για κατάλογο πιθανών αναπροσαρμοζόμενων συμβολαίων είναι απαραίτητο να "
                   "οορίσετε ημερομηνίες λήξης "
                   "μίσθωσης \"από\" και \"έως\" ");
} // namespace RegisterFilter
