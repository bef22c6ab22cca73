#pragma once
// The declarations workspace of the open company: the declarations list, the amending
// declarations and details of the declaration in hand, the filters and searches, the
// platform panel and the export buttons. Shown modally over the main window.

#include "portal/LoginCredentials.h"
#include "portal/PortalActions.h"
#include "portal/PortalSession.h"
#include "portal/SubmissionImport.h"
#include "workspace-window/WorkspaceImportPanel.h"
#include "workspace/QuickSearch.h"
#include "workspace/StagingGrid.h"

#include <QDialog>

class DeclarationDetails;
class FilterPanel;
class PortalPanel;
class QMenu;
class QPushButton;
class QTableView;
class TfiWait;

class TfiMistomataTaxis : public QDialog {
    Q_OBJECT
public:
    explicit TfiMistomataTaxis(QWidget* parent = nullptr);
    ~TfiMistomataTaxis() override;

    // The hidden staging grid of the import.
    StagingGrid sgSubmissionList;
    // The stored counts kept for the comparison with the platform's.
    int savedArxDils = 0;
    int savedTropDils = 0;

    FilterPanel* filters;
    PortalPanel* portal;
    QWidget* pnArxeia;
    QTableView* dbcMistomata;
    QTableView* dbcTrop;
    DeclarationDetails* details;
    QMenu* pmArxikes; // context menu of the initial declarations
    QMenu* pmTrops;   // context menu of the amending declarations
    QPushButton* btReports;
    QPushButton* btExportToExcel;
    QPushButton* btLoadProtypo;
    TfiWait* fiWait;

    // Operations offered to the commands of the workspace.
    void sbgetSavedDilsClick();
    void FitGridRows();
    void lbAnazitisiNowClick(QuickSearchKind kind);
    void imFilterClick();
    void btLoadClick();
    // "Εξαγωγή τρέχουσας εικόνας δεδομένων": the register export with the template
    // dialog's defaults, over the list as it stands.
    void btExportToExcelClick();
    void showLoginCredentials(const LoginCredentials& credentials);
    void cbSetLoginWithEkprClick();
    void sbConnectAADEClick();
    // "Έλεγχος Δεδομένων": asks what to do with the temporarily saved declarations, then
    // runs the data check.
    void sbGetTaxisDilsClick();
    // The platform actions of the two context menus, on the declaration in hand or on
    // the current amending declaration.
    void runPlatformAction(DeclarationAction action, bool amending);

    // The portal session of the workspace: the browser windows it works with.
    PortalSession session;
    // The data check, the import of new declarations and the refresh of one.
    WorkspaceImportPanel importPanel{*this};
    SubmissionImport import{session, sgSubmissionList, importPanel};
    // "Ενημέρωση Στοιχείων Τρέχουσας Δήλωσης" of the two context menus.
    void miUpdateCurMistClick();
    void miUpdateCurTropDilClick();

    int declarationRowsShown() const { return m_declarationRows; }
    int amendmentRowsShown() const { return m_amendmentRows; }
    const QuickSearch& quickSearch() const { return m_search; }

    // Runs a portal command (connect, data check, import, refresh, platform action) in the
    // general error report, unless another one is running: their waits let the operator's
    // input run, and a second command must not start in the middle of the first.
    void runPortalCommand(const std::function<void()>& command);
    // Runs a command that walks the declaration cursors (the exports) in the general error
    // report, under the hourglass; false when it failed. Afterwards the declaration, the
    // amending declaration and the property in hand are current again, and both lists are
    // scrolled as they were.
    bool runWalkingCommand(const std::function<void()>& command);

public slots:
    // Closing while a portal command runs stops it after the declaration in hand and
    // closes the window once it has stopped.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildLists();
    void buildContextMenus();
    void deleteDeclarationInHand();
    void deleteAmendmentInHand();
    void setAmendmentHighlight(const QColor& colour);

    // Asks a running portal command to stop and the window to close after it; false when
    // no command runs.
    bool closeLater();

    QuickSearch m_search;
    bool m_closeWhenIdle = false;
    // A filter asked for while a portal command ran: it runs once the command has ended,
    // so that the command's cursors are not moved under it.
    bool m_filterWhenIdle = false;
    QList<QObject*> m_listViewports;
    int m_declarationRows = 1;
    int m_amendmentRows = 1;
};

// The main window's command: opens the workspace for the open company, modally, with the
// declaration dilCode in hand when it is given and stored (the first one otherwise).
void OpenDeclarationsWorkspace(QWidget* parent, qlonglong dilCode = 0);
