#pragma once
// The portal link's own texts for the operator.

#include <QString>

namespace PortalTexts {
inline const QString kNoCredentials =
    QStringLiteral("Δεν έχετε συμπληρώσει τα στοιχεία εισόδου στην Α.Α.Δ.Ε.");
// Ends with a blank, then a line feed and a carriage return.
inline const QString kChooseRole =
    QStringLiteral("Σύμφωνα με τα στοιχεία εισόδου που έχετε δώσει, χρειάζεται να γίνει επιλογή "
                   "ρόλου \n\rΠαρακαλώ πατήστε την επιλογή ρόλου και έπειτα το κουμπί "
                   "\"επιλογή\" ");
inline const QString kTemporarilySaved = QStringLiteral("Προσωρινά Αποθηκευμένο");
} // namespace PortalTexts
