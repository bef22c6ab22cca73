// A second workstation on the same data folder, for the workstation tests: an
// installation of its own (its settings, and so its identifier, kept in SETTINGS) that
// runs one company command and prints what it saw:
//
//   workstation FOLDER SETTINGS create AFM NAME
//   workstation FOLDER SETTINGS open AFM      (through the chooser's "Επιλογή")
//   workstation FOLDER SETTINGS delete AFM    (through the chooser's "Διαγραφή")
//   workstation FOLDER SETTINGS rename AFM NAME
//   workstation FOLDER SETTINGS close AFM     (the main window's closing of the company)
//   workstation FOLDER SETTINGS hold AFM OTHER_AFM
//   workstation FOLDER SETTINGS keep-COMMAND AFM [ARGUMENT]
//
// "hold" writes a declaration into AFM's tables with the shared tables and OTHER_AFM's
// tables attached, prints "holding" with the change still uncommitted, and commits once
// a line arrives on standard input.
//
// "keep-" before a command keeps the workstation running after it, its connection (and
// so a lock on a server) open, until a line arrives on standard input.
//
// The first line printed is "installation " and the identifier; then "message: ",
// "error: " and "question: " lines for what the operator would have seen (questions are
// answered Yes), and "done" when the command succeeded.

#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "common/WorkFolder.h"
#include "companies/CompanyCommands.h"
#include "companies/CompanyLock.h"
#include "companies/CompanyRegister.h"
#include "companies/InstallationId.h"
#include "companies/TfiIndexCompany.h"
#include "operators/CurrentOperator.h"
#include "store/CursorGuard.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>

namespace {
void say(const char* kind, const QString& text) {
    std::printf("%s%s\n", kind, text.toUtf8().constData());
    std::fflush(stdout);
}

class PrintedMessages : public MessageSeam {
public:
    void showMessage(const QString& text) override { say("message: ", text); }
    void showError(const QString& text) override { say("error: ", text); }
    bool askYesNo(const QString& text) override {
        say("question: ", text);
        return true;
    }
    bool askOkCancel(const QString& text) override { return askYesNo(text); }
};

bool openThroughTheChooser(const QString& afm) {
    setDialogRunner([afm](QDialog& dialog) -> int {
        auto* chooser = qobject_cast<TfiIndexCompany*>(&dialog);
        if (!chooser || !dmTables().tblComps.findKey({afm}))
            return QDialog::Rejected;
        chooser->acChoiceExecute();
        return chooser->result();
    });
    return CompanyCommands::openCompany(nullptr);
}

bool deleteThroughTheChooser(const QString& afm) {
    bool deleted = false;
    setDialogRunner([afm, &deleted](QDialog& dialog) -> int {
        auto* chooser = qobject_cast<TfiIndexCompany*>(&dialog);
        if (!chooser || !dmTables().tblComps.findKey({afm}))
            return QDialog::Rejected;
        chooser->acDelExecute();
        deleted = chooser->result() == QDialog::Accepted;
        return chooser->result();
    });
    CompanyCommands::deleteCompany(nullptr);
    return deleted;
}

bool rename(const QString& afm, const QString& name) {
    TableCursor& comps = dmTables().tblComps;
    comps.open();
    CloseAfter close(comps);
    return comps.findKey({afm}) && CompanyRegister::renameCurrent(name);
}

// One write on AFM's declarations while the shared tables and another company's
// declarations stay attached, as they do in a running application.
bool holdAWrite(const QString& afm, const QString& otherAfm) {
    TdmTables& dm = dmTables();
    dm.tblUsers.open();
    CloseAfter closeUsers(dm.tblUsers);
    dm.tblComps.open();
    CloseAfter closeComps(dm.tblComps);
    StoreQuery other;
    other.setSql(QStringLiteral("SELECT DilCode FROM '") +
                 TdmTables::companyTablePath(otherAfm, QStringLiteral("MistDilMast")) +
                 QLatin1Char('\''));
    other.open();
    TableStore::Transaction transaction;
    StoreQuery write;
    write.setSql(QStringLiteral("INSERT INTO '") +
                 TdmTables::companyTablePath(afm, QStringLiteral("MistDilMast")) +
                 QStringLiteral("' (DilCode) VALUES (777)"));
    write.execSql();
    say("", QStringLiteral("holding"));
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        return false; // no word from the test: the change is rolled back
    transaction.commit();
    return true;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: workstation FOLDER SETTINGS COMMAND AFM [ARGUMENT]\n");
        return 2;
    }
    WorkFolder::setRoot(args.at(1));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, args.at(2));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, args.at(2));
    PrintedMessages printed;
    setMessages(&printed);
    CurrentOperator() = {QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("D")};
    say("installation ", InstallationId());

    const bool keep = args.at(3).startsWith(QLatin1String("keep-"));
    const QString command = keep ? args.at(3).mid(5) : args.at(3);
    const QString afm = args.at(4);
    const QString argument = args.value(5);
    bool done = false;
    runGuarded([&] {
        if (command == QLatin1String("create"))
            done = CompanyRegister::create(afm, argument);
        else if (command == QLatin1String("open"))
            done = openThroughTheChooser(afm);
        else if (command == QLatin1String("delete"))
            done = deleteThroughTheChooser(afm);
        else if (command == QLatin1String("rename"))
            done = rename(afm, argument);
        else if (command == QLatin1String("hold"))
            done = holdAWrite(afm, argument);
        else if (command == QLatin1String("close")) {
            CompanyLock::release(afm, InstallationId());
            done = true;
        }
    });
    if (done)
        say("", QStringLiteral("done"));
    if (keep) {
        say("", QStringLiteral("kept"));
        char line[16];
        (void)std::fgets(line, sizeof line, stdin);
    }
    return done ? 0 : 1;
}
