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

#include <cmath>

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

const QString kNumberHeading = QStringLiteral("Αριθμός Καταχώρησης");
const QString kLesseeHeading = QStringLiteral("Στοιχεία   1ου μισθωτή");
const QString kTransIdInput = QStringLiteral("<input name=\"transId\" type=\"hidden\" value=\"");

// Seconds a declaration may take to open and be read, to be read, and to close.
const int kDeclarationSeconds = 20;
const int kReadSeconds = 10;
const int kCloseSeconds = 5;
// The pause before each declaration opened, so that the platform is not rushed.
const int kPauseBeforeDeclarationMs = 2000;

// A list cell's text on one line.
QString flatText(const PageElement& element) {
    QString text = browserOps().GetOuterText(element);
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.trimmed();
}

// Whether a heading cell reads the text, every run of white space taken as one blank:
// browsers render the blanks and line breaks of a heading differently.
bool headingReads(const PageElement& cell, const QString& heading) {
    return flatText(cell).simplified() == heading.simplified();
}

bool opensDeclaration(const QString& formHtml) {
    return formHtml.contains(QStringLiteral("viewmag.png")) ||
           formHtml.contains(QStringLiteral("edit.png"));
}

TableCursor& declarations() {
    return dmTables().tblMistDilMast;
}

bool declarationStored(const QString& dilCode) {
    return declarations().isOpen() && declarations().findKey({dilCode});
}

// Puts the declarations cursor on the initial declaration; true when the amending one is
// stored under it.
bool amendmentStored(const QString& dilCode, const QString& tropDilCode) {
    TableCursor& amendments = dmTables().tblMistDilDet;
    return declarationStored(dilCode) && amendments.isOpen() &&
           amendments.findKey({dilCode, tropDilCode});
}

void showAllDeclarations() {
    TableCursor& cursor = declarations();
    cursor.setFilter(QString());
    cursor.setFiltered(false);
}

// Temporarily saved declarations are removed with their properties and amendments.
void deleteTemporarilySaved() {
    StoredDeclarations::DeleteTemporarilySaved();
    TdmTables& tables = dmTables();
    for (TableCursor* cursor :
         {&tables.tblMistDilMast, &tables.tblMistDilDet, &tables.tblMistDilAkinita})
        if (cursor->isOpen())
            cursor->refresh();
}

} // namespace

QString formNumberOf(const QString& formHtml) {
    const qsizetype at = formHtml.indexOf(kTransIdInput);
    if (at < 0)
        return QString();
    const qsizetype start = at + kTransIdInput.size();
    const qsizetype end = formHtml.indexOf(QLatin1Char('"'), start);
    return formHtml.mid(start, end < 0 ? -1 : end - start).trimmed();
}

QString formNumber(const PageElement& form, const QString& formHtml) {
    BrowserOps& browser = browserOps();
    const ElementCollection inputs = browser.GetElementsByTagName(form, QStringLiteral("INPUT"));
    const int count = browser.Count(inputs);
    for (int i = 0; i < count; ++i) {
        const PageElement input = browser.Item(inputs, i);
        if (input &&
            browser.GetAttribute(input, QStringLiteral("name")) == QLatin1String("transId"))
            return browser.GetAttribute(input, QStringLiteral("value")).trimmed();
    }
    return formNumberOf(formHtml);
}

SubmissionImport::SubmissionImport(PortalSession& session, StagingGrid& grid, ImportPanel& panel)
    : m_session(session), m_grid(grid), m_panel(panel) {}

SubmissionImport::Counts SubmissionImport::refreshStoredCounts() {
    m_stored = {StoredDeclarations::CountSavedArxDils(), StoredDeclarations::CountSavedTropDils()};
    m_panel.showStoredCounts(m_stored.initial, m_stored.amending);
    return m_stored;
}

QString SubmissionImport::newDeclarationsNotice(const Counts& stored) const {
    return QStringLiteral("Βρέθηκαν ") + QString::number(m_platformInitial - stored.initial) +
           QStringLiteral(" αρχικές και ") + QString::number(m_platformAmending - stored.amending) +
           QStringLiteral(" τροποποιητικές νέες δηλώσεις στο Taxis");
}

void SubmissionImport::sbGetTaxisDilsClick(TemporarilySaved temporarilySaved) {
    StoredDeclarations::ClearFilterMarks();
    if (temporarilySaved == TemporarilySaved::DeleteAndImportAgain)
        deleteTemporarilySaved();
    showAllDeclarations();
    m_grid.clearAll();

    BrowserOps& browser = browserOps();
    const QString listAddress = PortalAddresses::submissionDetailsPage();
    PageDocument document;
    for (const BrowserWindow& window : browser.ListBrowserWindows()) {
        m_session.SessionBrowser = window;
        const QString address = browser.GetLocationUrl(window);
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
    const QString owner = CurrentCompany().AFM;
    const QString expected =
        m_panel.loginWithRepresentative() ? kRepresentativePhrase + owner : owner;
    if (!browser.GetOuterText(browser.GetBody(document)).contains(expected)) {
        showMessage(kOtherOwner);
        return;
    }

    ReadSubmissionList();
    countPlatformDeclarations();
    m_panel.showPlatformCounts(m_platformInitial, m_platformAmending);
    const Counts stored = refreshStoredCounts();
    if (m_platformInitial == stored.initial && m_platformAmending == stored.amending)
        m_panel.showNotice(kNothingNew, false);
    else
        m_panel.showNotice(newDeclarationsNotice(stored), true);
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

void SubmissionImport::ReadSubmissionList() {
    BrowserOps& browser = browserOps();
    const PageDocument document = browser.GetDocument(m_session.SessionBrowser);
    const ElementCollection tables =
        browser.GetElementsByTagName(browser.GetBody(document), QStringLiteral("TABLE"));
    int listRows = 0;
    const int tableCount = browser.Count(tables);
    for (int t = 0; t < tableCount; ++t) {
        const ElementCollection rows = browser.GetRows(browser.Item(tables, t));
        const int n = browser.Count(rows);
        if (n == 0)
            continue;
        const PageElement heading = browser.Item(rows, 0);
        if (browser.GetOuterText(heading).trimmed().isEmpty())
            continue;
        const ElementCollection headingCells = browser.GetCells(heading);
        if (browser.Count(headingCells) <= 5 ||
            !headingReads(browser.Item(headingCells, 0), kNumberHeading) ||
            !headingReads(browser.Item(headingCells, 2), kLesseeHeading))
            continue;
        for (int i = 1; i <= n; ++i) {
            m_panel.showListProgress(int(std::lround(100.0 * i / n)));
            const int row = i - 1;
            const ElementCollection cells = browser.GetCells(browser.Item(rows, row));
            const int cellCount = browser.Count(cells);
            for (int c = 1; c <= 5 && c <= cellCount; ++c)
                m_grid.setCell(c, row, flatText(browser.Item(cells, c - 1)));
            if (i > 1)
                m_grid.setCell(StagingColumn::RunningNumber, row, QString::number(row));
        }
        listRows = n;
    }
    m_grid.setRowCount(listRows + 1);
}

void SubmissionImport::sbInsertNewDilsClick() {
    ImportNewDeclarations();
    m_panel.hideNotice();
}

PageDocument SubmissionImport::listPage() {
    const QString listAddress = PortalAddresses::submissionDetailsPage();
    PageDocument document;
    if (FindPortalWindow(m_session, listAddress) != 0)
        document = WaitForPortalPage(m_session, listAddress);
    if (!document)
        showMessage(kConnectFirst);
    return document;
}

void SubmissionImport::ImportNewDeclarations() {
    const PageDocument document = listPage();
    if (!document)
        return;
    const WaitWindowHooks hooks = m_panel.waitWindow();
    const WaitWindowShown shown(hooks);
    // A filtered view would hide the initial declarations that amendments belong to.
    showAllDeclarations();
    bool failed = false;
    if (m_stored.initial < m_platformInitial)
        runPass(Pass::Initial, document, failed);
    if (!failed && m_stored.amending < m_platformAmending)
        runPass(Pass::Amending, document, failed);
}

void SubmissionImport::runPass(Pass pass, const PageDocument& document, bool& failed) {
    BrowserOps& browser = browserOps();
    const ElementCollection forms =
        browser.GetElementsByTagName(browser.GetBody(document), QStringLiteral("FORM"));
    const bool initialPass = pass == Pass::Initial;
    auto allStored = [&] {
        return initialPass ? m_stored.initial == m_platformInitial
                           : m_stored.amending == m_platformAmending;
    };
    QString lastNumber;
    bool newSeen = false;
    const int formCount = browser.Count(forms);
    for (int f = 0; f < formCount && !m_session.stopRequested(); ++f) {
        try {
            const PageElement form = browser.Item(forms, f);
            const QString html = browser.GetOuterHtml(form);
            const QString number = formNumber(form, html);
            if (number.isEmpty() || (initialPass && number == lastNumber))
                continue;
            const StagingGrid::Found found = m_grid.FindInSubmissionList(number);
            bool stored = false;
            if (initialPass) {
                if (found.kind != StagingGrid::Kind::Initial)
                    continue;
                stored = declarationStored(number);
            } else {
                if (found.kind != StagingGrid::Kind::Amending &&
                    found.kind != StagingGrid::Kind::Termination)
                    continue;
                const QString amended =
                    AmendedNumberOf(m_grid.cell(StagingColumn::ListedNumber, found.row));
                QString initial = amended;
                if (!declarationStored(amended)) {
                    initial = StoredDeclarations::GetArxDilOfTrop(amended);
                    if (initial.isEmpty())
                        initial = QStringLiteral("999");
                }
                m_grid.setCell(StagingColumn::InitialNumber, found.row, initial);
                if (!declarationStored(initial))
                    continue;
                stored = amendmentStored(initial, number);
            }
            if (stored) {
                m_grid.setCell(StagingColumn::WriteMark, found.row,
                               initialPass ? QStringLiteral("1") : QStringLiteral("2"));
                if (newSeen && allStored())
                    return;
                continue;
            }
            PumpWait(kPauseBeforeDeclarationMs);
            newSeen = true;
            if (found.row == 0 || !opensDeclaration(html))
                continue;
            const Opening opening = openAndRead(f, forms, found.row, number);
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
                if (newSeen && allStored())
                    return;
                continue;
            }
            // The declarations cursor may have moved while the window was waited for.
            if (!initialPass)
                declarationStored(m_grid.cell(StagingColumn::InitialNumber, found.row));
            StoreImportedDeclaration(m_grid, found.row);
            lastNumber = number;
            m_panel.setNoticeText(newDeclarationsNotice(refreshStoredCounts()));
        } catch (const std::exception&) {
            showMessage(kViewProblem);
            failed = true;
            if (newSeen && allStored())
                return;
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
        // A fresh look each time: the page may still be loading or adding to itself.
        PageReadDone = false;
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
    for (int f = 0; f < formCount; ++f) {
        try {
            const PageElement form = browser.Item(forms, f);
            const QString html = browser.GetOuterHtml(form);
            if (formNumber(form, html) != wanted)
                continue;
            if (refreshForm(html, f, forms, wanted, dilCode, tropDilCode, attempted))
                break;
        } catch (const std::exception&) {
            // The refresh goes on with the next form of the declaration.
            attempted = true;
        }
    }
    // A refresh that was tried and did not happen is said, never passed over in silence.
    if (attempted)
        showMessage(kNotRefreshed);
}

bool SubmissionImport::refreshForm(const QString& formHtml, int formIndex,
                                   const ElementCollection& forms, const QString& number,
                                   const QString& dilCode, const QString& tropDilCode,
                                   bool& attempted) {
    const StagingGrid::Found found = m_grid.FindInSubmissionList(number);
    if (found.row == 0) {
        showMessage(kRunDataCheckFirst);
        return true;
    }
    bool stored = false;
    if (found.kind == StagingGrid::Kind::Initial)
        stored = declarationStored(number);
    else if (found.kind == StagingGrid::Kind::Amending)
        stored = amendmentStored(dilCode, tropDilCode);
    if (!stored)
        return false;
    PumpWait(kPauseBeforeDeclarationMs);
    if (!opensDeclaration(formHtml))
        return false;
    attempted = true;
    // Only a page read whole and matched rewrites the stored declaration.
    if (openAndRead(formIndex, forms, found.row, number) != Opening::Read)
        return true;
    if (found.kind == StagingGrid::Kind::Amending)
        amendmentStored(dilCode, tropDilCode);
    else
        declarationStored(number);
    UpdateImportedDeclaration(m_grid, found.row);
    attempted = false;
    return true;
}
