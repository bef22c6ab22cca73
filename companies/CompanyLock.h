#pragma once
// The in-use lock of a company. On the folder store it is "Data\" + AFM + "\InUse.lck",
// whose first line is the identifier of the installation that holds the company open.
// The file is created in one step (exclusive create), so of two workstations opening a
// company at once exactly one wins. On a server it is a lock of the workstation's
// connection, which the server lets go when the connection ends; a lock file found
// there is still honoured.

#include <QString>

namespace CompanyLock {
enum class Outcome { Acquired, AlreadyOurs, HeldByOther, Unreadable };
enum class Holder { Nobody, This, Other, Unreadable };

QString path(const QString& afm);
// Takes the lock for this installation, or tells who holds it.
Outcome acquire(const QString& afm, const QString& installationId);
// Who holds the lock now, without taking it.
Holder holder(const QString& afm, const QString& installationId);
// Deletes the lock file when it names this installation; another installation's lock
// stays where it is. A missing one is no error.
void release(const QString& afm, const QString& installationId);

inline const QString kInUseMessage =
    QStringLiteral("Η εταιρεία έχει ανοίξει και χρησιμοποιείται από άλλο χρήστη. Δεν επιτρέπεται η "
                   "επεξεργασία της ίδιας "
                   "εταιρείας από αυτό το τερματικό");
} // namespace CompanyLock
