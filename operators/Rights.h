#pragma once
// Rights checks: a command with a threshold letter is allowed when the operator's
// rights sort before or equal to it ("D" passes every check, and so does an empty one).

#include <QString>

namespace Rights {
inline const QString kAll = QStringLiteral("D");       // every command
inline const QString kNoDeletes = QStringLiteral("I"); // all but deleting a company
inline const QString kViewOnly = QStringLiteral("V");  // none of the checked commands

// Whether rights allow a command with the threshold.
bool allows(const QString& rights, const QString& threshold);
// Whether the logged-in operator may run it; if not, shows the no-rights message.
bool check(const QString& threshold);

inline const QString kNoRightsMessage = QStringLiteral(
    "Δεν έχετε δικαιώματα για αυτήν την εργασία. Συνδεθείτε στην εφαρμογή με χρήστη που έχει τα "
    "κατάλληλα δικαιώματα.");
} // namespace Rights

namespace CompanyVisibility {
// The filter on the company register for listing companies to open: empty when the
// operator sees every company ("admin" and rights "V"), else their own companies.
QString filterForOpening();
// The same for deleting: every operator but "admin" sees only their own.
QString filterForDeleting();
// The filter "(UserName = '…')" for one operator, with the name quoted safely.
QString filterForOperator(const QString& userName);
} // namespace CompanyVisibility
