#pragma once
// What the operators' dialogs do, without the dialogs: logging in, changing one's
// password, and keeping the operators table.

#include "common/Confirmable.h"

#include <QString>
#include <functional>

namespace OperatorTexts {
inline const QString kWrongName =
    QStringLiteral("Το όνομα του χρήστη που πληκτρολογήσατε δεν είναι σωστό. Προσπαθήστε ξανά");
inline const QString kWrongPassword =
    QStringLiteral("Ο κωδικός που πληκτρολογήσατε δεν είναι σωστός. Προσπαθήστε ξανά");
inline const QString kPasswordsDiffer = QStringLiteral("Δεν πληκτρολογήσατε τον ίδιο κωδικό");
inline const QString kEmptyPassword =
    QStringLiteral("Δεν επιτρέπεται κενός κωδικός πρόσβασης. Παρακαλώ πληκτρολογείστε κωδικό");
inline const QString kEmptyName = QStringLiteral(
    "Δεν επιτρέπεται κενό όνομα χρήστη. Παρακαλώ πληκτρολογείστε το όνομα του χρήστη");
inline const QString kPasswordChanged =
    QStringLiteral("Η αλλαγή του κωδικού πρόσβασής σας πραγματοποιήθηκε με επιτυχία");
inline const QString kNoSuchOperator = QStringLiteral("Πρόβλημα με τους χρήστες");
inline const QString kAdminNotDeleted =
    QStringLiteral("Δεν μπορείτε να διαγράψετε τον χρήστη \"admin\" της εφαρμογής");
inline const QString kDeleteQuestion =
    QStringLiteral("Είστε βέβαιος ότι θέλετε να διαγράψετε τον Χρήστη ");
inline const QString kOperatorExists =
    QStringLiteral("Ο Χρήστης υπάρχει ήδη. Θέλετε να τροποποιήσετε τα στοιχεία του;");
} // namespace OperatorTexts

namespace Login {
struct Preparation {
    QString proposedName; // the remembered operator, or "admin"
    bool firstTime;       // "admin" still has an empty password
};
// Creates the operators table when missing and reads what the dialog starts with.
Preparation prepare();

// Tries to log in; shows the refusal messages. askNewPassword is run when the stored
// password is empty, and must return true when a password was set. A password still
// stored in plain text is replaced by its hash (PasswordHash) once it has matched.
bool attempt(const QString& userName, const QString& password,
             const std::function<bool()>& askNewPassword);
} // namespace Login

namespace PasswordChange {
enum class Outcome { Saved, Differ, Empty, NoOperator };
// Stores the new password of the logged-in operator; tells the operator what was done or
// why it was refused.
// The operators cursor is open (the caller opens it before and closes it after).
Outcome save(const QString& first, const QString& second);
} // namespace PasswordChange

namespace OperatorAdmin {
// The operator editor's level letter for a radio item (0, 1, 2) and back.
QString letterOfItem(int item);
int itemOfLetter(const QString& letter); // any other letter: the third item
// Saves the editor; Done when the editor should close. An existing operator is changed
// only with consent: without it the question kOperatorExists comes back. An empty
// password keeps an existing operator's password and is refused for a new one.
Confirmable saveOperator(const QString& userName, const QString& password, int levelItem,
                         Consent overwrite);
// Deletes the current operator of the operators cursor; without consent nothing is
// deleted and the question naming the operator comes back.
Confirmable deleteCurrentOperator(Consent deletion);
// Assigns the current company of the company cursor to an operator.
void assignCurrentCompany(const QString& userName);
} // namespace OperatorAdmin
