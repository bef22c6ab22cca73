#pragma once
// The platform's own wordings that a register holds: kinds of declaration, submission
// stages and yes/no values.

#include <QString>

namespace RegisterWords {
inline const QString kInitial = QStringLiteral("Αρχική");
inline const QString kAmending = QStringLiteral("Τροποποιητική");
inline const QString kTermination = QStringLiteral("Λύση");

inline const QString kProvisional = QStringLiteral("Προσωρινά Αποθηκευμένο");
inline const QString kSubmitted = QStringLiteral("Υποβεβλημένο");     // awaiting acceptance
inline const QString kFinalised = QStringLiteral("Οριστικοποιημένο"); // accepted by everyone

inline const QString kYes = QStringLiteral("ΝΑΙ");
inline const QString kNo = QStringLiteral("ΟΧΙ");
} // namespace RegisterWords
