#pragma once
// Brings the owner's declarations from the platform into the open company's store, on the
// page that shows the submission list: the data check (reads the list into the staging
// grid, counts what the platform and the store hold, announces what is new), the import
// of every declaration not yet stored (each opened in a window of its own, read and
// stored, then the window closed), and the refresh of one stored declaration.

#include "portal/PortalActions.h"
#include "portal/PortalSession.h"
#include "portal/SubmissionList.h"

#include <QSet>
#include <QString>

class StagingGrid;

// What an import of new declarations stored and what it did not.
struct ImportOutcome {
    // Whether it ran at all (the list page was found).
    bool ran = false;
    // The new declarations when it started, and those of them stored.
    int total = 0;
    int stored = 0;
    // Stopped by the operator (or the workspace's closing) after the declaration in hand.
    bool stopped = false;
    // The new declarations not stored, in number order; of them, the amending declarations
    // whose initial declaration the register does not hold.
    QStringList notStored;
    QStringList unplaced;
};
// The one message that tells the operator how the import ended.
QString importReport(const ImportOutcome& outcome);

// What the workspace shows of the import.
class ImportPanel {
public:
    virtual ~ImportPanel() = default;
    // Whether the operator signed in as the owner's representative.
    virtual bool loginWithRepresentative() const = 0;
    // The progress of the list reading, 0 to 100.
    virtual void showListProgress(int percent) = 0;
    virtual void showPlatformCounts(int initial, int amending) = 0;
    // Keeps the stored counts and shows them.
    virtual void showStoredCounts(int initial, int amending) = 0;
    // The new-declarations notice: with the link to the import, or with the picture that
    // says there is nothing new.
    virtual void showNotice(const QString& text, bool importOffered) = 0;
    virtual void setNoticeText(const QString& text) = 0;
    virtual void hideNotice() = 0;
    // The wait window, shown without its progress bar.
    virtual WaitWindowHooks waitWindow() = 0;
    // The wait window of the import, which shows how far it is and can stop it.
    virtual WaitWindowHooks importWaitWindow() { return waitWindow(); }
    // How many of the new declarations the import has handled.
    virtual void showImportProgress(int /*handled*/, int /*total*/) {}
    virtual void showImportOutcome(const ImportOutcome& /*outcome*/) {}
};

// A panel that shows nothing, for an import without a workspace (the tools, the
// benchmarks); the representative's box is unticked.
class SilentImportPanel : public ImportPanel {
public:
    bool loginWithRepresentative() const override { return false; }
    void showListProgress(int) override {}
    void showPlatformCounts(int, int) override {}
    void showStoredCounts(int, int) override {}
    void showNotice(const QString&, bool) override {}
    void setNoticeText(const QString&) override {}
    void hideNotice() override {}
    WaitWindowHooks waitWindow() override { return {}; }
};

class SubmissionImport {
public:
    SubmissionImport(PortalSession& session, StagingGrid& grid, ImportPanel& panel);

    // What the data check does with the declarations stored as temporarily saved: the
    // window asks kDeleteTemporarilySaved first and hands over the answer.
    enum class TemporarilySaved {
        Keep,
        // Removed with their properties and amendments, so that the import brings them in
        // again as the platform now holds them.
        DeleteAndImportAgain,
    };
    static inline const QString kDeleteTemporarilySaved =
        QStringLiteral("Να γίνει διαγραφή και επανεισαγωγή των προσωρινά αποθηκευμένων δηλώσεων;");

    // "Έλεγχος Δεδομένων".
    void sbGetTaxisDilsClick(TemporarilySaved temporarilySaved);
    // Reads the list table of the session window's page into the staging grid.
    SubmissionList::Reading ReadSubmissionList();
    // Counts the initial and the amending declarations of the list read.
    void countPlatformDeclarations();
    // Finds the declarations of the list read that the register does not hold.
    void findNewDeclarations();
    // "Πατήστε για προσθήκη": the import, then its outcome shown and the notice hidden.
    ImportOutcome sbInsertNewDilsClick();
    ImportOutcome ImportNewDeclarations();
    // Reads a stored declaration again and rewrites its records; tropDilCode is empty for
    // an initial declaration.
    void RefreshDeclaration(const QString& dilCode, const QString& tropDilCode);

    // The platform's counts of the last data check.
    int platformInitialCount() const { return m_platformInitial; }
    int platformAmendingCount() const { return m_platformAmending; }
    // The listed declarations that the register does not hold yet.
    int newInitialCount() const { return int(m_newInitial.size()); }
    int newAmendingCount() const { return int(m_newAmending.size()); }

    // The two flags of the opening of one declaration, and the page reader's.
    bool FlowPageHandled = false;
    bool DeclarationRead = false;
    bool PageReadDone = false;

    // How the opening of one declaration ended.
    enum class Opening {
        // Its window came and its page was read whole.
        Read,
        // Its window came, but the page was not the declaration's, or not whole, within the
        // time limit: nothing of it may be stored.
        NotRead,
        // No window of the declaration came within the time limit.
        NoWindow,
        // The platform asked to sign in again: the session has expired.
        SessionEnded,
    };

private:
    enum class Pass { Initial, Amending };

    void refreshStoredCounts();
    QString newDeclarationsNotice() const;
    // The list page's document, or none after telling the operator. A window of the
    // session that the operator took elsewhere on the platform is brought back to the
    // list that the data check read.
    PageDocument listPage();
    // The initial declaration of an amending one: followed through the list and the
    // register, whatever order the list shows the amendments of amendments in; empty when
    // neither knows it.
    QString initialDeclarationOf(const QString& number, int row) const;
    // One pass over the list page's forms; failed is set when a declaration could not
    // be handled.
    void runPass(Pass pass, const PageDocument& document, bool& failed);
    // One more new declaration handled, stored or not.
    void countHandled();
    // Opens the form and reads its declaration into the row.
    Opening openAndRead(int formIndex, const ElementCollection& forms, int row,
                        const QString& number);
    // Reads the declaration window's page, looked at afresh each time, until it is read
    // whole or shows another declaration, for up to the reading's time limit.
    Opening readDeclarationWindow(const BrowserWindow& window, int row);
    void OpenDeclarationForm(int formIndex, const ElementCollection& forms, int row,
                             const QString& number);
    void ReadOpenedDeclaration(int row);
    // How the refresh of the declaration from one of its forms ended.
    enum class Refresh {
        // The form does not refresh it: the next form is taken.
        NextForm,
        // The operator was told why there is nothing to refresh.
        Ended,
        // Opened, but not read whole: its stored records stay as they were.
        NotRewritten,
        Rewritten,
    };
    Refresh refreshForm(const QString& formHtml, int formIndex, const ElementCollection& forms,
                        const QString& number, const QString& dilCode, const QString& tropDilCode);

    PortalSession& m_session;
    StagingGrid& m_grid;
    ImportPanel& m_panel;
    int m_platformInitial = 0;
    int m_platformAmending = 0;
    // The numbers listed and not stored, as of the data check and each declaration stored.
    QSet<QString> m_newInitial;
    QSet<QString> m_newAmending;
    // Amending declarations of this import whose initial declaration is not in the register.
    QStringList m_unplaced;
    // The new declarations of this import handled so far, and stored.
    int m_handled = 0;
    int m_importTotal = 0;
    int m_storedNow = 0;
    // The address of the list that the data check read, and its window.
    QString m_listAddress;
    WindowHandle m_listWindow = 0;
    qint64 m_submittedAt = 0;
    // The windows open when the declaration's form was submitted: none of them is the
    // declaration's window, whatever it shows.
    QSet<WindowHandle> m_windowsBefore;
    Opening m_opening = Opening::NoWindow;
};
