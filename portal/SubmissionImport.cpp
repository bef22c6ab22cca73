#include "portal/SubmissionImport.h"

#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "companies/CurrentCompany.h"
#include "portal/DeclarationPageReader.h"
#include "portal/DeclarationStoreWriter.h"
#include "portal/PortalAddresses.h"
#include "portal/PortalTexts.h"
#include "store/TdmTables.h"
#include "workspace/StagingColumns.h"
#include "workspace/StagingGrid.h"
#include "workspace/StoredCounts.h"

#include <algorithm>

namespace {

const QString kNoListWindow =
    QStringLiteral("Δεν έχετε ανοίξει ή δεν έχετε συνδεθεί στη σελίδα των μισθωμάτων ακινήτων");
const QString kOtherOwner =
    QStringLiteral("Έχετε συνδεθεί στη σελίδα των μισθωμάτων ακινήτων διαφορετικού Α.Φ.Μ.");
const QString kNothingNew = QStringLiteral("Δεν βρέθηκαν νέες δηλώσεις");
const QString kConnectFirst = QStringLiteral(
    "Για να προβάλετε τη δήλωση πρέπει πρώτα να συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ");
const QString kViewProblem =
    QStringLiteral("Παρουσιάστηκε κάποιο πρόβλημα με την προβολή της δήλωσης.");
const QString kRunDataCheckFirst =
    QStringLiteral("Για να προβάλετε τη δήλωση συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ και "
                   "εκτελέστε την επιλογή \"Έλεγχος Δεδομένων\"");
const QString kRepresentativePhrase = QStringLiteral("για λογαριασμό του Α.Φ.Μ.: ");
const QString kNotRefreshed =
    QStringLiteral("Τα στοιχεία της δήλωσης δεν ενημερώθηκαν: η δήλωση δεν διαβάστηκε από την "
                   "πλατφόρμα. Τα αποθηκευμένα στοιχεία έμειναν όπως ήταν.");

const QString kNotUnderstood = QStringLiteral(
    "Η λίστα των δηλώσεων της πλατφόρμας δεν αναγνωρίστηκε. Δεν έγινε καμία αλλαγή.");
const QString kRefreshed = QStringLiteral("Τα στοιχεία της δήλωσης ενημερώθηκαν.");

// Seconds a declaration may take to open and be read, to be read, and to close.
const int kDeclarationSeconds = 20;
const int kReadSeconds = 10;
const int kCloseSeconds = 5;
// The pause before each declaration opened, so that the platform is not rushed.
const int kPauseBeforeDeclarationMs = 2000;

bool opensDeclaration(const QString& formHtml) {
    return formHtml.contains(QStringLiteral("viewmag.png")) ||
           formHtml.contains(QStringLiteral("edit.png"));
}

TableCursor& declarations() {
    return dmTables().tblMistDilMast;
}

// Puts the declarations cursor on the declaration when it shows it; the import's own
// look-ups ask the register, whatever the workspace's filter shows.
void seekDeclaration(const QString& dilCode) {
    if (declarations().isOpen())
        declarations().findKey({dilCode});
}

// Puts the declarations cursor on the initial declaration and the amending declarations'
// cursor on the amending one; true when both stand on them.
bool seekAmendment(const QString& dilCode, const QString& tropDilCode) {
    TableCursor& amendments = dmTables().tblMistDilDet;
    return declarations().isOpen() && declarations().findKey({dilCode}) && amendments.isOpen() &&
           amendments.findKey({dilCode, tropDilCode});
}

void showAllDeclarations() {
    TableCursor& cursor = declarations();
    cursor.setFilter(QString());
    cursor.setFiltered(false);
}

bool isWholeNumber(const QString& text) {
    bool ok = false;
    text.toLongLong(&ok);
    return ok && !text.isEmpty() && text.front().isDigit();
}

QStringList inNumberOrder(QStringList numbers) {
    std::sort(numbers.begin(), numbers.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return numbers;
}

} // namespace

QString importReport(const ImportOutcome& outcome) {
    QString report = outcome.stopped ? QStringLiteral("Η εισαγωγή διακόπηκε. ") : QString();
    report += QStringLiteral("Καταχωρήθηκαν ") + QString::number(outcome.stored) +
              QStringLiteral(" από ") + QString::number(outcome.total) +
              QStringLiteral(" νέες δηλώσεις.");
    QStringList others = outcome.notStored;
    for (const QString& number : outcome.unplaced)
        others.removeAll(number);
    if (!others.isEmpty())
        report += QStringLiteral(" Δεν καταχωρήθηκαν: ") + others.join(QStringLiteral(", ")) +
                  QLatin1Char('.');
    if (!outcome.unplaced.isEmpty())
        report += QStringLiteral(" Δεν καταχωρήθηκαν οι τροποποιητικές δηλώσεις με αριθμό ") +
                  outcome.unplaced.join(QStringLiteral(", ")) +
                  QStringLiteral(": η αρχική δήλωση που τροποποιούν δεν βρέθηκε στο μητρώο.");
    return report;
}

SubmissionImport::SubmissionImport(PortalSession& session, StagingGrid& grid, ImportPanel& panel)
    : m_session(session), m_grid(grid), m_panel(panel) {}

void SubmissionImport::refreshStoredCounts() {
    m_panel.showStoredCounts(StoredDeclarations::CountSavedArxDils(),
                             StoredDeclarations::CountSavedTropDils());
}

QString SubmissionImport::newDeclarationsNotice() const {
    return QStringLiteral("Βρέθηκαν ") + QString::number(m_newInitial.size()) +
           QStringLiteral(" αρχικές και ") + QString::number(m_newAmending.size()) +
           QStringLiteral(" τροποποιητικές νέες δηλώσεις στο Taxis");
}

void SubmissionImport::sbGetTaxisDilsClick(TemporarilySaved temporarilySaved) {
    StoredDeclarations::ClearFilterMarks();
    showAllDeclarations();
    m_grid.clearAll();
    m_newInitial.clear();
    m_newAmending.clear();
    m_platformInitial = m_platformAmending = 0;
    m_listAddress.clear();

    BrowserOps& browser = browserOps();
    const QString listAddress = PortalAddresses::submissionDetailsPage();
    PageDocument document;
    QString address;
    for (const BrowserWindow& window : browser.ListBrowserWindows()) {
        m_session.SessionBrowser = window;
        address = browser.GetLocationUrl(window);
        if (address.isEmpty())
            continue;
        document = browser.GetDocument(window);
        if (document && address.contains(listAddress))
            break;
        document = {};
    }
    if (!document) {
        showMessage(kNoListWindow);
        return;
    }
    // The owner's tax number counts where the page names the taxpayer, not among the
    // lessees of the list, and not inside a longer number.
    const QString owner = CurrentCompany().AFM;
    const QString expected =
        m_panel.loginWithRepresentative() ? kRepresentativePhrase + owner : owner;
    if (owner.isEmpty() || !SubmissionList::shownOutsideList(document, expected)) {
        showMessage(kOtherOwner);
        return;
    }

    if (ReadSubmissionList().notUnderstood()) {
        m_grid.clearAll();
        m_grid.setRowCount(1);
        m_panel.hideNotice();
        showMessage(kNotUnderstood);
        return;
    }
    m_listAddress = address;
    m_listWindow = browser.GetWindowHandle(m_session.SessionBrowser);
    // Only a list that was read changes the register.
    if (temporarilySaved == TemporarilySaved::DeleteAndImportAgain)
        StoredDeclarations::DeleteTemporarilySaved();
    countPlatformDeclarations();
    findNewDeclarations();
    m_panel.showPlatformCounts(m_platformInitial, m_platformAmending);
    refreshStoredCounts();
    if (m_newInitial.isEmpty() && m_newAmending.isEmpty())
        m_panel.showNotice(kNothingNew, false);
    else
        m_panel.showNotice(newDeclarationsNotice(), true);
}

void SubmissionImport::countPlatformDeclarations() {
    m_platformInitial = m_platformAmending = 0;
    for (int row = 1; row < m_grid.rowCount(); ++row) {
        const QString kind = m_grid.cell(StagingColumn::Kind, row);
        if (kind == QStringLiteral("Αρχική"))
            ++m_platformInitial;
        else if (kind == QStringLiteral("Τροποποιητική") || kind == QStringLiteral("Λύση"))
            ++m_platformAmending;
    }
}

void SubmissionImport::findNewDeclarations() {
    m_newInitial.clear();
    m_newAmending.clear();
    for (int row = 1; row < m_grid.rowCount(); ++row) {
        const QString listed = m_grid.cell(StagingColumn::ListedNumber, row);
        const QString number = listed.left(listed.indexOf(QLatin1Char('('))).trimmed();
        const QString kind = m_grid.cell(StagingColumn::Kind, row);
        if (kind == QStringLiteral("Αρχική")) {
            if (!StoredDeclarations::IsDeclarationStored(number))
                m_newInitial.insert(number);
        } else if (kind == QStringLiteral("Τροποποιητική") || kind == QStringLiteral("Λύση")) {
            if (!StoredDeclarations::IsAmendmentStored(initialDeclarationOf(number, row), number))
                m_newAmending.insert(number);
        }
    }
}

SubmissionList::Reading SubmissionImport::ReadSubmissionList() {
    const PageDocument document = browserOps().GetDocument(m_session.SessionBrowser);
    return SubmissionList::read(document, m_grid,
                                [this](int percent) { m_panel.showListProgress(percent); });
}

QString SubmissionImport::initialDeclarationOf(const QString& number, int row) const {
    QSet<QString> followed{number};
    for (int listedRow = row;;) {
        const QString amended =
            AmendedNumberOf(m_grid.cell(StagingColumn::ListedNumber, listedRow));
        if (!isWholeNumber(amended) || followed.contains(amended))
            return QString();
        if (StoredDeclarations::IsDeclarationStored(amended))
            return amended;
        const QString throughStore = StoredDeclarations::GetArxDilOfTrop(amended);
        if (!throughStore.isEmpty())
            return throughStore;
        const StagingGrid::Found found = m_grid.FindInSubmissionList(amended);
        if (found.kind == StagingGrid::Kind::Initial)
            return amended;
        if (found.kind == StagingGrid::Kind::None)
            return QString();
        followed.insert(amended);
        listedRow = found.row;
    }
}

ImportOutcome SubmissionImport::sbInsertNewDilsClick() {
    const ImportOutcome outcome = ImportNewDeclarations();
    m_panel.hideNotice();
    if (outcome.ran)
        m_panel.showImportOutcome(outcome);
    return outcome;
}

PageDocument SubmissionImport::listPage() {
    const QString listAddress = PortalAddresses::submissionDetailsPage();
    PageDocument document;
    if (FindPortalWindow(m_session, listAddress) != 0) {
        document = WaitForPortalPage(m_session, listAddress);
    } else if (!m_listAddress.isEmpty() && WindowOpen(m_listWindow)) {
        // The window of the list shows another page of the platform (the operator went on
        // to a form there): it goes back to the list, signed in as it still is.
        BrowserOps& browser = browserOps();
        for (const BrowserWindow& window : browser.ListBrowserWindows())
            if (browser.GetWindowHandle(window) == m_listWindow &&
                browser.GetLocationUrl(window).startsWith(PortalAddresses::leaseAppBase())) {
                browser.NavigateTo(window, m_listAddress);
                document = WaitForPortalPage(m_session, listAddress);
                break;
            }
    }
    if (!document)
        showMessage(kConnectFirst);
    return document;
}

ImportOutcome SubmissionImport::ImportNewDeclarations() {
    ImportOutcome outcome;
    const PageDocument document = listPage();
    if (!document)
        return outcome;
    outcome.ran = true;
    outcome.total = m_importTotal = int(m_newInitial.size() + m_newAmending.size());
    m_handled = m_storedNow = 0;
    m_unplaced.clear();
    {
        const WaitWindowHooks hooks = m_panel.importWaitWindow();
        const WaitWindowShown shown(hooks);
        m_panel.showImportProgress(0, m_importTotal);
        bool failed = false;
        if (!m_newInitial.isEmpty())
            runPass(Pass::Initial, document, failed);
        if (!failed && !m_newAmending.isEmpty() && !m_session.stopRequested())
            runPass(Pass::Amending, document, failed);
    }
    outcome.stored = m_storedNow;
    outcome.stopped = m_session.stopRequested();
    outcome.notStored = inNumberOrder(QStringList(m_newInitial.cbegin(), m_newInitial.cend()) +
                                      QStringList(m_newAmending.cbegin(), m_newAmending.cend()));
    outcome.unplaced = m_unplaced;
    return outcome;
}

void SubmissionImport::countHandled() {
    // A declaration tried from two forms counts once.
    m_handled = qMin(m_handled + 1, m_importTotal);
    m_panel.showImportProgress(m_handled, m_importTotal);
}

void SubmissionImport::runPass(Pass pass, const PageDocument& document, bool& failed) {
    BrowserOps& browser = browserOps();
    const ElementCollection forms =
        browser.GetElementsByTagName(browser.GetBody(document), QStringLiteral("FORM"));
    const bool initialPass = pass == Pass::Initial;
    QSet<QString>& pending = initialPass ? m_newInitial : m_newAmending;
    QString lastNumber;
    QSet<QString> unplaced;
    const int formCount = browser.Count(forms);
    for (int f = 0; f < formCount && !m_session.stopRequested() && !pending.isEmpty(); ++f) {
        try {
            const PageElement form = browser.Item(forms, f);
            const QString html = browser.GetOuterHtml(form);
            const QString number = SubmissionList::formNumber(form, html);
            if (number.isEmpty() || (initialPass && number == lastNumber))
                continue;
            const StagingGrid::Found found = m_grid.FindInSubmissionList(number);
            bool stored = false;
            if (initialPass) {
                if (found.kind != StagingGrid::Kind::Initial)
                    continue;
                stored = StoredDeclarations::IsDeclarationStored(number);
            } else {
                if (found.kind != StagingGrid::Kind::Amending &&
                    found.kind != StagingGrid::Kind::Termination)
                    continue;
                QString initial = initialDeclarationOf(number, found.row);
                if (initial.isEmpty())
                    initial = QStringLiteral("999");
                m_grid.setCell(StagingColumn::InitialNumber, found.row, initial);
                if (!StoredDeclarations::IsDeclarationStored(initial)) {
                    // Never passed over in silence: the operator is told its number.
                    if (pending.contains(number) && !unplaced.contains(number)) {
                        unplaced.insert(number);
                        m_unplaced << number;
                        countHandled();
                    }
                    continue;
                }
                stored = StoredDeclarations::IsAmendmentStored(initial, number);
            }
            if (stored) {
                m_grid.setCell(StagingColumn::WriteMark, found.row,
                               initialPass ? QStringLiteral("1") : QStringLiteral("2"));
                pending.remove(number);
                continue;
            }
            PumpWait(kPauseBeforeDeclarationMs);
            // A stop asked for during the pause comes before this declaration is opened.
            if (m_session.stopRequested())
                return;
            if (found.row == 0 || !opensDeclaration(html))
                continue;
            const Opening opening = openAndRead(f, forms, found.row, number);
            countHandled();
            if (opening == Opening::NoWindow)
                return;
            if (opening != Opening::Read) {
                // Nothing of a page that was not read is stored: the declaration stays
                // new, and the next data check offers it again.
                failed = true;
                if (opening == Opening::SessionEnded) {
                    showMessage(kViewProblem);
                    return;
                }
                continue;
            }
            // The cursors may have moved while the window was waited for; the writer
            // takes the keys from the row.
            seekDeclaration(initialPass ? number
                                        : m_grid.cell(StagingColumn::InitialNumber, found.row));
            StoreImportedDeclaration(m_grid, found.row);
            ++m_storedNow;
            lastNumber = number;
            pending.remove(number);
            refreshStoredCounts();
            m_panel.setNoticeText(newDeclarationsNotice());
        } catch (const std::exception&) {
            showMessage(kViewProblem);
            failed = true;
        }
    }
}

SubmissionImport::Opening SubmissionImport::openAndRead(int formIndex,
                                                        const ElementCollection& forms, int row,
                                                        const QString& number) {
    OpenDeclarationForm(formIndex, forms, row, number);
    m_opening = Opening::NoWindow;
    do {
        m_grid.setCell(StagingColumn::OwnRow, row, QString::number(row));
        ReadOpenedDeclaration(row);
    } while (!(FlowPageHandled && DeclarationRead) &&
             WindowPass::elapsedSeconds(m_submittedAt) <= kDeclarationSeconds);
    return FlowPageHandled && DeclarationRead ? m_opening : Opening::NoWindow;
}

void SubmissionImport::OpenDeclarationForm(int formIndex, const ElementCollection& forms, int row,
                                           const QString& number) {
    BrowserOps& browser = browserOps();
    const PageElement form = browser.Item(forms, formIndex);
    // The platform answers in a window of its own, which is read and then closed.
    if (browser.GetAttribute(form, QStringLiteral("target")) != QLatin1String("_blank"))
        browser.SetAttribute(form, QStringLiteral("target"), QStringLiteral("_blank"));
    m_windowsBefore = OpenWindowHandles();
    browser.Submit(browser.Item(forms, formIndex));
    m_grid.setCell(StagingColumn::Number, row, number);
    m_grid.setCurrentRow(row);
    PumpWait(0);
    FlowPageHandled = false;
    DeclarationRead = false;
    m_submittedAt = appClock().nowMs();
}

void SubmissionImport::ReadOpenedDeclaration(int row) {
    if (FlowPageHandled)
        return;
    const QString flowAddress = PortalAddresses::flowPage();
    const QString signOn = PortalAddresses::signOnBase();
    // Only the window that the submission opened is the declaration's: one left open
    // before, even at the same address, is neither read nor closed.
    const NewWindow opened =
        WaitForNewWindow(m_session, m_windowsBefore, {flowAddress, signOn}, kReadSeconds);
    if (!opened)
        return;
    FlowPageHandled = true;
    if (!DeclarationRead) {
        m_opening = opened.address.contains(flowAddress) ? readDeclarationWindow(opened.window, row)
                                                         : Opening::SessionEnded;
        DeclarationRead = true;
    }
    BrowserOps& browser = browserOps();
    browser.RequestWindowClose(opened.handle);
    const qint64 start = appClock().nowMs();
    while (WindowOpen(opened.handle) && WindowPass::elapsedSeconds(start) <= kCloseSeconds)
        PumpWait(WindowPass::kNewWindowPauseMs);
}

SubmissionImport::Opening SubmissionImport::readDeclarationWindow(const BrowserWindow& window,
                                                                  int row) {
    BrowserOps& browser = browserOps();
    const QString expected = m_grid.cell(StagingColumn::Number, row);
    const qint64 start = appClock().nowMs();
    for (;;) {
        // A fresh look each time: the page may still be loading or adding to itself. The
        // row keeps nothing of an earlier reading, so that lessors, lessees and properties
        // the platform no longer shows are not written again.
        PageReadDone = false;
        m_grid.clearFrom(row, StagingColumn::FirstPageValue);
        const PageDocument document = browser.GetDocument(window);
        const PageReading reading =
            document ? ReadDeclarationPage(m_grid, row, expected, document, PageReadDone)
                     : PageReading::NoBody;
        if (reading == PageReading::Read)
            return Opening::Read;
        if (reading == PageReading::OtherNumber)
            return Opening::NotRead;
        if (WindowPass::elapsedSeconds(start) > kReadSeconds)
            break;
        PumpWait(WindowPass::kNewWindowPauseMs);
    }
    showMessage(kViewProblem);
    return Opening::NotRead;
}

void SubmissionImport::RefreshDeclaration(const QString& dilCode, const QString& tropDilCode) {
    const PageDocument document = listPage();
    if (!document)
        return;
    const WaitWindowHooks hooks = m_panel.waitWindow();
    const WaitWindowShown shown(hooks);
    const QString wanted = tropDilCode.isEmpty() ? dilCode : tropDilCode;
    BrowserOps& browser = browserOps();
    const ElementCollection forms =
        browser.GetElementsByTagName(browser.GetBody(document), QStringLiteral("FORM"));
    const int formCount = browser.Count(forms);
    bool attempted = false;
    bool refreshed = false;
    for (int f = 0; f < formCount && !refreshed; ++f) {
        try {
            const PageElement form = browser.Item(forms, f);
            const QString html = browser.GetOuterHtml(form);
            if (SubmissionList::formNumber(form, html) != wanted)
                continue;
            const Refresh refresh = refreshForm(html, f, forms, wanted, dilCode, tropDilCode);
            if (refresh == Refresh::Ended)
                return;
            attempted = attempted || refresh == Refresh::NotRewritten;
            refreshed = refresh == Refresh::Rewritten;
            if (refresh == Refresh::NotRewritten)
                break;
        } catch (const std::exception&) {
            // The refresh goes on with the next form of the declaration.
            attempted = true;
        }
    }
    // A refresh that was tried and did not happen is said, never passed over in silence.
    if (refreshed)
        showMessage(kRefreshed);
    else if (attempted)
        showMessage(kNotRefreshed);
}

SubmissionImport::Refresh SubmissionImport::refreshForm(const QString& formHtml, int formIndex,
                                                        const ElementCollection& forms,
                                                        const QString& number,
                                                        const QString& dilCode,
                                                        const QString& tropDilCode) {
    const StagingGrid::Found found = m_grid.FindInSubmissionList(number);
    if (found.row == 0) {
        showMessage(kRunDataCheckFirst);
        return Refresh::Ended;
    }
    const bool initial = found.kind == StagingGrid::Kind::Initial;
    bool stored = false;
    if (initial)
        stored = StoredDeclarations::IsDeclarationStored(number);
    else if (found.kind == StagingGrid::Kind::Amending)
        stored = StoredDeclarations::IsAmendmentStored(dilCode, tropDilCode);
    if (!stored)
        return Refresh::NextForm;
    PumpWait(kPauseBeforeDeclarationMs);
    if (!opensDeclaration(formHtml))
        return Refresh::NextForm;
    // Only a page read whole and matched rewrites the stored declaration, and only the
    // record of that declaration.
    if (openAndRead(formIndex, forms, found.row, number) != Opening::Read)
        return Refresh::NotRewritten;
    const bool inHand = initial ? declarations().isOpen() && declarations().findKey({number})
                                : seekAmendment(dilCode, tropDilCode);
    if (!inHand)
        return Refresh::NotRewritten;
    UpdateImportedDeclaration(m_grid, found.row);
    return Refresh::Rewritten;
}
