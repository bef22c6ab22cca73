#pragma once
// The texts that the version check shows the operator. Line breaks are carriage
// return and line feed.

#include <QLocale>
#include <QString>

namespace UpdateTexts {
inline const QString kLineBreak = QStringLiteral("\r\n");

inline const QString kNewVersionQuestion =
    QStringLiteral("Υπάρχει νέα έκδοση της εφαρμογής.") + kLineBreak +
    QStringLiteral(
        " Η διαδικασία ενημέρωσης θα διαρκέσει πολύ λίγο χρόνο. Θέλετε να την κατεβάσετε "
        "τώρα;");

inline const QString kNoNewerVersion = QStringLiteral("Δεν υπάρχει νεώτερη έκδοση της εφαρμογής");

inline const QString kNoConnectionNotice = QStringLiteral(
    "Η σύνδεση με τον server για έλεγχο νέας έκδοσης δεν είναι εφικτή. Μπορείτε με την πιο κάτω "
    "επιλογή να απενεργοποιήσετε τον αυτόματο έλεγχο με την έναρξη της εφαρμογής :");

inline const QString kSwitchOffChoice =
    QStringLiteral("Να μην γίνεται έλεγχος νέων εκδόσεων με την έναρξη");

inline const QString kSwitchedOffMessage =
    QStringLiteral(" ΠΡΟΣΟΧΗ!!! Επιλέξατε να μην γίνεται αυτόματος έλεγχος νέων εκδόσεων κατά την "
                   "εκκίνηση της εφαρμογής") +
    kLineBreak +
    QStringLiteral(
        "Αν επιθυμείτε να αλλάξετε αυτή τη ρύθμιση μπορείτε να το κάνετε από το κεντρικό "
        "μενου και από την επιλογή ") +
    kLineBreak + QStringLiteral("Βοηθητικά/Αυτόματος έλεγχος νέων εκδόσεων.") + kLineBreak +
    QStringLiteral(
        "Λόγω των πολλών αλλαγών στη φορολογία παρακαλούμε να ελέγχετε από μόνοι σας την "
        "ενημέρωση της εφαρμογής με τις νέες ") +
    kLineBreak +
    QStringLiteral("εκδόσεις, από το κεντρικό μενου και από την επιλογή Βοηθητικά/Έλεγχος Νέας "
                   "Έκδοσης.");

inline const QString kSetupNotRun = QStringLiteral(
    "Το πρόγραμμα εγκατάστασης δεν εκτελέστηκε. Παρακαλούμε δοκιμάστε ξανά αργότερα.");

// A download whose size differs from the size in the file list.
inline QString incompleteDownload(qint64 downloadedSize, qint64 listedSize) {
    const QLocale locale;
    return QStringLiteral("Η λήψη της νέας έκδοσης της εφαρμογής δεν ολοκληρώθηκε σωστά: "
                          "παραλήφθησαν ") +
           locale.toString(downloadedSize) +
           QStringLiteral(" Bytes, ενώ το πρόγραμμα εγκατάστασης έχει μέγεθος ") +
           locale.toString(listedSize) + QStringLiteral(" Bytes.") + kLineBreak + kSetupNotRun;
}

// A download that the file list does not name.
inline const QString kSetupNotListed =
    QStringLiteral("Η λήψη της νέας έκδοσης της εφαρμογής δεν αναγνωρίστηκε: ο κατάλογος "
                   "αρχείων της ενημέρωσης δεν περιέχει το πρόγραμμα εγκατάστασης.") +
    kLineBreak + kSetupNotRun;

inline const QString kSetupNotStarted =
    QStringLiteral("Δεν ήταν δυνατή η εκκίνηση του προγράμματος εγκατάστασης της νέας έκδοσης.");

inline const QString kSetupNotSaved = QStringLiteral(
    "Δεν ήταν δυνατή η αποθήκευση του προγράμματος εγκατάστασης της νέας έκδοσης στο αρχείο ");
} // namespace UpdateTexts
