// Moves an office's data folder from SQLite files to a PostgreSQL database.
//
//   store-migrate WORKING_FOLDER --to CONNECTION [--switch]
//
// Copies every table of the folder (the shared tables, every company and its backups)
// into the database that CONNECTION (a libpq connection string) names, compares the row
// count and checksum of every table on both sides and prints them. A table on the server
// that already holds rows refuses the whole copy. With --switch, and only when every
// table compared equal, the folder's settings.ini is set to the server ([Store]), so
// that every workstation on the folder uses it from its next start; a settings.ini that
// could not be written so is exit status 1. Nothing in the folder is deleted. A company
// of the register without its tables, a company open on a workstation, or a text that
// the server cannot hold as stored refuses the copy.
//
//   store-migrate /srv/lethora --to "host=server.office dbname=lethora user=lethora" --switch

#include "common/ErrorReport.h"
#include "common/WorkFolder.h"
#include "store/StoreChoice.h"
#include "tools/command-line/ToolCommandLine.h"
#include "tools/store-migrate/FolderCompanies.h"
#include "tools/store-migrate/StoreMigration.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

namespace {
void say(FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toUtf8().constData());
}

// Prints each table's figures; true when every copy matches its table.
bool report(const QList<MigratedTable>& tables) {
    bool same = true;
    for (const MigratedTable& t : tables) {
        const bool equal = t.folder == t.server;
        same = same && equal;
        say(stdout,
            QStringLiteral("%1\t%2 εγγραφές\t%3\t%4")
                .arg(t.path)
                .arg(t.server.rows)
                .arg(QString::fromLatin1(t.server.checksum.left(16)),
                     equal ? QStringLiteral("ίδιος")
                           : QStringLiteral("ΔΙΑΦΕΡΕΙ (φάκελος: %1 εγγραφές)").arg(t.folder.rows)));
    }
    return same;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ToolCommandLine line(QStringLiteral("store-migrate"),
                         {QStringLiteral("WORKING_FOLDER --to CONNECTION [--switch]")},
                         QStringLiteral("Αντιγράφει όλους τους πίνακες του φακέλου δεδομένων σε "
                                        "βάση PostgreSQL και τους συγκρίνει (πλήθος εγγραφών, "
                                        "άθροισμα ελέγχου)."));
    line.addPositional(QStringLiteral("WORKING_FOLDER"), QStringLiteral("ο φάκελος δεδομένων"));
    line.addOption(QStringLiteral("to"),
                   QStringLiteral("η σύνδεση με τη βάση (libpq: host=… dbname=… user=…)"),
                   QStringLiteral("CONNECTION"));
    line.addOption(QStringLiteral("switch"),
                   QStringLiteral("γράφει στο settings.ini του φακέλου ότι οι πίνακες είναι "
                                  "πλέον στη βάση"));
    if (const std::optional<int> done = line.parse(app.arguments()))
        return *done;
    if (line.positional().size() != 1)
        return line.wrong(QStringLiteral("χρειάζεται ένας φάκελος δεδομένων"));
    if (line.value(QStringLiteral("to")).trimmed().isEmpty())
        return line.wrong(QStringLiteral("χρειάζεται η σύνδεση με τη βάση (--to)"));
    const QString folder = line.positional().first();
    if (!QFileInfo(folder + QStringLiteral("/Tables")).isDir()) {
        say(stderr, QStringLiteral("store-migrate: ο φάκελος ") + QDir::toNativeSeparators(folder) +
                        QStringLiteral(" δεν είναι φάκελος δεδομένων (δεν έχει Tables)."));
        return 1;
    }
    WorkFolder::setRoot(QDir(folder).absolutePath());
    const StoreChoice server{StoreChoice::Engine::Postgresql,
                             line.value(QStringLiteral("to")).trimmed()};
    bool copied = false;
    bool same = false;
    bool switched = false;
    QElapsedTimer clock;
    clock.start();
    try {
        if (StoreChoice::ofWorkFolder().engine != StoreChoice::Engine::Sqlite)
            throw AppError(QStringLiteral("Ο φάκελος χρησιμοποιεί ήδη διακομιστή· δεν υπάρχουν "
                                          "πίνακες αρχείων να μεταφερθούν."));
        same = report(StoreMigration::run(server.connection));
        copied = true;
        if (same && line.isSet(QStringLiteral("switch"))) {
            if (const QString open = FolderCompanies::openOne(); !open.isEmpty())
                throw AppError(open + QStringLiteral(" Το settings.ini δεν άλλαξε."));
            StoreChoice::write(server);
            switched = true;
        }
    } catch (...) {
        say(stderr, QStringLiteral("store-migrate: ") + currentFailureText());
    }
    if (!copied)
        return 1;
    say(stdout, QStringLiteral("χρόνος: %1 ms").arg(clock.elapsed()));
    if (!same) {
        say(stderr, QStringLiteral("store-migrate: τα αντίγραφα διαφέρουν· το settings.ini δεν "
                                   "άλλαξε."));
        return 1;
    }
    if (!line.isSet(QStringLiteral("switch")))
        return 0;
    if (!switched)
        return 1;
    say(stdout, QStringLiteral("Το settings.ini του φακέλου δείχνει πλέον τη βάση."));
    return 0;
}
