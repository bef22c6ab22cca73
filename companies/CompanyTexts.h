#pragma once
#include <QString>

// The messages of the company commands.
namespace CompanyTexts {
inline const QString kNoAfm = QStringLiteral("Δεν έχετε δώσει ΑΦΜ νέου ιδιοκτήτη");
inline const QString kInvalidAfm = QStringLiteral(
    "Ο Α.Φ.Μ. που πληκτρολογήσατε δεν είναι σωστός. Παρακαλούμε πληκτρολογήστε πραγματικό "
    "Α.Φ.Μ. για αποθήκευση νέου ιδιοκτήτη");
inline const QString kNoName = QStringLiteral("Δεν έχετε δώσει επωνυμο/ία ιδιοκτήτη ");
inline QString exists(const QString& afm) {
    return QStringLiteral("Ο Ιδιοκτήτης με ΑΦΜ ") + afm + QStringLiteral(" υπάρχει ήδη.");
}
inline const QString kEmptyRegister = QStringLiteral("Το αρχείο ιδιοκτητών δεν περιέχει εγγραφές");
inline const QString kDeleted = QStringLiteral("Η διαγραφή της εταιρείας ολοκληρώθηκε με επιτυχία");
inline const QString kDeleteFirst =
    QStringLiteral("Να γίνει Διαγραφή των στοιχείων της Εταιρείας ;");
inline const QString kDeleteSecond = QStringLiteral(
    "ΠΡΟΣΟΧΗ !!!! Με τη διαδικασία της διαγραφής της εταιρείας δεν υπάρχει τρόπος ανάκτησης "
    "των στοιχείων. Είστε βέβαιος ότι θέλετε να συνεχίσετε ;");
inline const QString kUnreadableLock =
    QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου κλειδώματος ");
inline const QString kSaveNoAfm = QStringLiteral("Δεν δώσατε ΑΦΜ. Η αποθήκευση ακυρώνεται");
inline const QString kSaveNoName =
    QStringLiteral("Δεν δώσατε Επωνυμία ή Επώνυμο. Η αποθήκευση ακυρώνεται");
inline const QString kSaved = QStringLiteral("Η αποθήκευση ολοκληρώθηκε με επιτυχία");
inline QString notVisible(const QString& afm) {
    return QStringLiteral("Ο ιδιοκτήτης με ΑΦΜ ") + afm +
           QStringLiteral(" δεν είναι στους ιδιοκτήτες που μπορείτε να ανοίξετε.");
}
inline QString otherCompanyOpen(const QString& openAfm, const QString& chosenAfm) {
    return QStringLiteral("Είναι ανοικτός ο ιδιοκτήτης με ΑΦΜ ") + openAfm +
           QStringLiteral(". Να τελειώσουν οι εργασίες του και να ανοίξει ο ιδιοκτήτης με ΑΦΜ ") +
           chosenAfm + QStringLiteral(";");
}
inline const QString kCloseEditorFirst =
    QStringLiteral("Κλείστε πρώτα τη φόρμα στοιχείων του ανοικτού ιδιοκτήτη και δοκιμάστε ξανά.");
} // namespace CompanyTexts
