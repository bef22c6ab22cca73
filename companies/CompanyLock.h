#pragma once
// The in-use lock of a company. On the folder store it is "Data\" + AFM + "\InUse.lck",
// whose first line is the identifier of the installation that holds the company open.
// The file is created in one step (exclusive create), so of two workstations opening a
// company at once exactly one wins. On a server it is a lock of the workstation's
// connection, which the server lets go when the connection ends; a lock file found
// there is still honoured.
//
// A command-line tool holds the lock under an identifier of its run and names itself on
// the file's second line (ToolLockHolder.h). A lock that such a tool left behind on this
// machine, its process no longer running, is taken over by whoever asks for the company
// here next (TakenOver), with a text that tells the operator so.

#include <QString>

namespace CompanyLock {
// NotWritable: there is no lock, and the company's folder takes no file (read-only).
enum class Outcome { Acquired, AlreadyOurs, HeldByOther, Unreadable, TakenOver, NotWritable };
enum class Holder { Nobody, This, Other, Unreadable };

QString path(const QString& afm);
// Takes the lock for this installation, or tells who holds it. On TakenOver, *takenOver
// (when given) receives the text that tells the operator whose lock was taken over.
Outcome acquire(const QString& afm, const QString& installationId, QString* takenOver = nullptr);
// Takes the lock for a run of the named command-line tool in this process, under the
// run's own identifier; as acquire() otherwise.
Outcome acquireForTool(const QString& afm, const QString& runId, const QString& program,
                       QString* takenOver = nullptr);
// Who holds the lock now, without taking it.
Holder holder(const QString& afm, const QString& installationId);
// Deletes the lock file when it names this installation; another installation's lock
// stays where it is. A missing one is no error.
void release(const QString& afm, const QString& installationId);

inline const QString kInUseMessage =
    QStringLiteral("Η εταιρεία έχει ανοίξει και χρησιμοποιείται από άλλο χρήστη. Δεν επιτρέπεται η "
                   "επεξεργασία της ίδιας "
                   "εταιρείας από αυτό το τερματικό");
// Why a company whose folder takes no file cannot be opened for writing.
QString notWritableMessage(const QString& afm);
} // namespace CompanyLock
