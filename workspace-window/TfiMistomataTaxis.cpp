#include "workspace-window/TfiMistomataTaxis.h"
#include "common/AmountText.h"
#include "common/DialogRunner.h"
#include "common/EntryWidth.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "common/WaitCursor.h"
#include "companies/CurrentCompany.h"
#include "exports/RentProgression.h"
#include "portal/LoginCredentials.h"
#include "portal/PortalLogin.h"
#include "store/CursorGrid.h"
#include "store/CursorGuard.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "workspace-window/DeclarationDetails.h"
#include "workspace-window/FilterPanel.h"
#include "workspace-window/PortalPanel.h"
#include "workspace-window/TemplateCommands.h"
#include "workspace-window/TfiDispMistSymb.h"
#include "workspace-window/TfiWait.h"
#include "workspace/RegisterFilter.h"
#include "workspace/StoredCounts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const int kRowHeight = 30;

QTableView* declarationGrid(QWidget* parent, const QString& name) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setAlternatingRowColors(false);
    // A text longer than its column ends in "…" on its one line: a row is 30 pixels high.
    view->setWordWrap(false);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    return view;
}

// Each column as wide as its heading or the sample of what it holds, whichever is wider;
// the last one takes the rest when stretched. The list is made wide enough to show them
// all and tall enough for five rows.
void fitColumns(QTableView* view, const QStringList& samples, bool stretchLast) {
    const QFontMetrics metrics = view->fontMetrics();
    QHeaderView* header = view->horizontalHeader();
    const int padding =
        2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
    int total = 0;
    for (int column = 0; column < samples.size(); ++column) {
        const int width = qMax(header->sectionSizeHint(column),
                               metrics.horizontalAdvance(samples.at(column)) + padding);
        header->resizeSection(column, width);
        total += width;
    }
    header->setStretchLastSection(stretchLast);
    const int frame = 2 * view->frameWidth();
    view->setMinimumWidth(total + frame +
                          view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
    view->setMinimumHeight(header->sizeHint().height() + 5 * kRowHeight + frame);
}

// Rows a list of the given viewport height holds: at least 1, at most 100.
int rowsFor(int height) {
    return qBound(1, height / kRowHeight, 100);
}

TdmTables& dm() {
    return dmTables();
}
} // namespace

TfiMistomataTaxis::TfiMistomataTaxis(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiMistomataTaxis"));
    setWindowTitle(
        QStringLiteral("Οργάνωση - Διαχείρηση Συμφωνητικών Μίσθωσης Ακίνητης Περιουσίας"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    resize(1242, 900);

    auto* title =
        new QLabel(QStringLiteral("Πληροφοριακά Στοιχεία Μισθώσεων Ακίνητης Περιουσίας"), this);
    title->setObjectName(QStringLiteral("lbTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(
        QStringLiteral("background-color: rgb(31, 78, 121); color: white; padding: 6px;"));

    filters = new FilterPanel(this);
    portal = new PortalPanel(this);
    auto* band = new QHBoxLayout;
    band->addWidget(filters, 3);
    band->addWidget(portal, 2);

    pnArxeia = buildLists();

    btReports = new QPushButton(QStringLiteral("Επεξεργασία προτύπων"), this);
    btReports->setObjectName(QStringLiteral("btReports"));
    btExportToExcel = new QPushButton(QStringLiteral("Εξαγωγή τρέχουσας εικόνας δεδομένων"), this);
    btExportToExcel->setObjectName(QStringLiteral("btExportToExcel"));
    btLoadProtypo = new QPushButton(QStringLiteral("Επιλογή προτύπου και εξαγωγή δεδομένων"), this);
    btLoadProtypo->setObjectName(QStringLiteral("btLoadProtypo"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btReports);
    buttons->addWidget(btExportToExcel);
    buttons->addWidget(btLoadProtypo);
    buttons->addStretch();
    for (QPushButton* b : {btReports, btExportToExcel, btLoadProtypo})
        b->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(title);
    layout->addLayout(band);
    layout->addWidget(pnArxeia, 1);
    layout->addLayout(buttons);

    connect(btExportToExcel, &QPushButton::clicked, this, [this] { btExportToExcelClick(); });
    connect(btReports, &QPushButton::clicked, this,
            [this] { TemplateCommands::miExportToExcelClick(*this); });
    connect(btLoadProtypo, &QPushButton::clicked, this,
            [this] { TemplateCommands::btLoadProtypoClick(*this); });
    filters->onQuickSearch = [this](QuickSearchKind kind) { lbAnazitisiNowClick(kind); };
    filters->onFilter = [this] { imFilterClick(); };
    connect(portal->cbSetLoginWithEkpr, &QCheckBox::clicked, this,
            [this] { cbSetLoginWithEkprClick(); });
    connect(portal->sbConnectAADE, &QPushButton::clicked, this, [this] { sbConnectAADEClick(); });
    connect(portal->sbGetTaxisDils, &QPushButton::clicked, this, [this] { sbGetTaxisDilsClick(); });
    connect(portal->sbInsertNewDils, &QLabel::linkActivated, this,
            [this] { runPortalCommand([this] { import.sbInsertNewDilsClick(); }); });
    buildContextMenus();
    EntryWidth::fitBoxes(*this);

    fiWait = new TfiWait(this);
    connect(fiWait, &TfiWait::stopAsked, this, [this] { session.requestStop(); });
    runGuarded([this] { sbgetSavedDilsClick(); });
    portal->resetPlatformCounts();
    FitGridRows();
    sgSubmissionList.fillHeaderRow();

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TfiMistomataTaxis::~TfiMistomataTaxis() {
    // The lists outlive this part of the window while it is taken down.
    for (QObject* viewport : m_listViewports)
        viewport->removeEventFilter(this);
    m_listViewports.clear();
}

QWidget* TfiMistomataTaxis::buildLists() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("pnArxeia"));
    dbcMistomata = declarationGrid(area, QStringLiteral("dbcMistomata"));
    bindGrid(dbcMistomata, &dm().tblMistDilMast,
             {{QStringLiteral("DilCode"), QStringLiteral("Αρ. Αρχικής")},
              {QStringLiteral("DateDisplay"), QStringLiteral("Ημ. Υποβολής")},
              {QStringLiteral("MistName1"), QStringLiteral("1ος Μισθωτής")}});
    dbcMistomata->setStyleSheet(
        QStringLiteral("QTableView { selection-background-color: rgb(2, 143, 2); "
                       "selection-color: white; }"));
    dbcTrop = declarationGrid(area, QStringLiteral("dbcTrop"));
    bindGrid(dbcTrop, &dm().tblMistDilDet,
             {{QStringLiteral("TropDilCode"), QStringLiteral("Αρ. Τροποπ/κής")},
              {QStringLiteral("DateDisplay"), QStringLiteral("Ημ. Υποβολής")},
              {QStringLiteral("StadioYpovolis"), QStringLiteral("Στάδιο Υποβολής")},
              {QStringLiteral("EidosDilosis"), QStringLiteral("Είδος Δήλωσης")},
              {QStringLiteral("MistosiApoDate"), QStringLiteral("Ημ. Έναρξης")},
              {QStringLiteral("MistosiEosDate"), QStringLiteral("Ημ. Λήξης")},
              {QStringLiteral("TotalMistoma"), QStringLiteral("Μίσθωμα"), amountText}});
    // The first lessee's name takes the declarations list's spare width; the amendments'
    // amounts keep their own.
    fitColumns(dbcMistomata,
               {QStringLiteral("00000000"), QStringLiteral("00/00/2000 00:00:00"),
                QStringLiteral("Κωνσταντοπούλου Μαρία")},
               true);
    fitColumns(dbcTrop,
               {QStringLiteral("00000000"), QStringLiteral("00/00/2000 00:00:00"),
                QStringLiteral("Προσωρινά Αποθηκευμένο"), QStringLiteral("Τροποποιητική"),
                QStringLiteral("00/00/2000"), QStringLiteral("00/00/2000"),
                QStringLiteral("000.000,00")},
               false);
    dbcMistomata->installEventFilter(this);
    dbcTrop->installEventFilter(this);
    // The lists are fitted whenever their panels change size, the window's resizing included.
    for (QTableView* list : {dbcMistomata, dbcTrop}) {
        list->viewport()->installEventFilter(this);
        m_listViewports << list->viewport();
    }

    details = new DeclarationDetails(area);
    connect(details, &DeclarationDetails::amendmentColourChanged, this,
            &TfiMistomataTaxis::setAmendmentHighlight);
    connect(details->btLoad, &QToolButton::clicked, this, [this] { btLoadClick(); });
    connect(details->btExelixi, &QToolButton::clicked, this,
            [this] { runWalkingCommand([] { btExportExelixiClick(); }); });
    connect(&dm().tblMistDilMast, &TableCursor::scrolled, details,
            [this] { runGuarded([this] { details->declarationChanged(); }); });
    connect(&dm().tblMistDilDet, &TableCursor::scrolled, details,
            [this] { runGuarded([this] { details->amendmentChanged(); }); });
    connect(&dm().tblMistDilAkinita, &TableCursor::scrolled, details,
            [this] { runGuarded([this] { details->propertyChanged(); }); });
    details->declarationChanged();
    details->amendmentChanged();
    details->propertyChanged();

    auto* right = new QWidget(area);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    // The details scroll when the window is too low for them and the amendments' rows.
    auto* detailsArea = new QScrollArea(right);
    detailsArea->setObjectName(QStringLiteral("sbDetails"));
    detailsArea->setWidget(details);
    detailsArea->setWidgetResizable(true);
    detailsArea->setFrameShape(QFrame::NoFrame);
    rightLayout->addWidget(dbcTrop, 1);
    rightLayout->addWidget(detailsArea, 3);
    auto* split = new QSplitter(Qt::Horizontal, area);
    split->addWidget(dbcMistomata);
    split->addWidget(right);
    // Spare width goes to the declarations list and the details alike.
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
    return area;
}

void TfiMistomataTaxis::buildContextMenus() {
    auto menu = [this](const QString& name, const QString& printCaption) {
        auto* m = new QMenu(this);
        m->setObjectName(name);
        m->addAction(QStringLiteral("Προβολή/Επεξεργασία Δήλωσης"))
            ->setObjectName(QStringLiteral("miView"));
        m->addAction(printCaption)->setObjectName(QStringLiteral("miPrintDil"));
        m->addSeparator();
        m->addAction(QStringLiteral("Δημιουργία Τροποποιητικής Δήλωσης"))
            ->setObjectName(QStringLiteral("miAmend"));
        m->addAction(QStringLiteral("Λύση Συμφωνητικού Μίσθωσης"))
            ->setObjectName(QStringLiteral("miTerminate"));
        m->addSeparator();
        m->addAction(QStringLiteral("Ενημέρωση Στοιχείων Τρέχουσας Δήλωσης"))
            ->setObjectName(QStringLiteral("miUpdate"));
        return m;
    };
    pmArxikes = menu(QStringLiteral("pmArxikes"), QStringLiteral("Εκτύπωση Δήλωσης"));
    pmTrops = menu(QStringLiteral("pmTrops"), QStringLiteral("Εκτύπωση Δηλωσης"));
    const QList<QPair<QString, DeclarationAction>> actions = {
        {QStringLiteral("miView"), DeclarationAction::ViewOrEdit},
        {QStringLiteral("miPrintDil"), DeclarationAction::Print},
        {QStringLiteral("miAmend"), DeclarationAction::Amend},
        {QStringLiteral("miTerminate"), DeclarationAction::Terminate}};
    for (QMenu* m : {pmArxikes, pmTrops}) {
        const bool amending = m == pmTrops;
        for (const auto& [name, action] : actions)
            connect(m->findChild<QAction*>(name), &QAction::triggered, this,
                    [this, action = action, amending] { runPlatformAction(action, amending); });
    }
    connect(pmArxikes->findChild<QAction*>(QStringLiteral("miUpdate")), &QAction::triggered, this,
            [this] { miUpdateCurMistClick(); });
    connect(pmTrops->findChild<QAction*>(QStringLiteral("miUpdate")), &QAction::triggered, this,
            [this] { miUpdateCurTropDilClick(); });
    connect(dbcMistomata, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        pmArxikes->popup(dbcMistomata->viewport()->mapToGlobal(at));
    });
    connect(dbcTrop, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmTrops->popup(dbcTrop->viewport()->mapToGlobal(at)); });
}

void TfiMistomataTaxis::setAmendmentHighlight(const QColor& colour) {
    dbcTrop->setStyleSheet(
        QStringLiteral("QTableView { selection-background-color: %1; selection-color: black; }")
            .arg(colour.name()));
}

void TfiMistomataTaxis::sbgetSavedDilsClick() {
    portal->sbgetSavedDils->hide();
    savedArxDils = savedTropDils = 0;
    const int initial = StoredDeclarations::CountSavedArxDils();
    const int amending = StoredDeclarations::CountSavedTropDils();
    portal->ggSavedDils->setValue(100);
    importPanel.showStoredCounts(initial, amending);
    if (dm().tblMistDilMast.isOpen() && dm().tblMistDilMast.state() == TableCursor::State::Browse)
        dm().tblMistDilMast.first();
}

void TfiMistomataTaxis::FitGridRows() {
    m_declarationRows = rowsFor(dbcMistomata->viewport()->height());
    m_amendmentRows = rowsFor(dbcTrop->viewport()->height());
    m_search.forget();
}

void TfiMistomataTaxis::showLoginCredentials(const LoginCredentials& credentials) {
    portal->cbSetLoginWithEkpr->setChecked(credentials.loginWithEkpr);
    portal->edUserName->setText(credentials.userName);
    portal->edPassword->setText(credentials.password);
}

void TfiMistomataTaxis::cbSetLoginWithEkprClick() {
    showLoginCredentials(
        loginCredentialsFor(CurrentCompany(), portal->cbSetLoginWithEkpr->isChecked()));
}

void TfiMistomataTaxis::sbConnectAADEClick() {
    ConnectInputs inputs;
    inputs.userName = portal->edUserName->text();
    inputs.password = portal->edPassword->text();
    inputs.loginWithEkpr = portal->cbSetLoginWithEkpr->isChecked();
    const QWidget* main = parentWidget() ? parentWidget()->window() : this;
    inputs.webPanelOrigin = main->geometry().topLeft() + pnArxeia->mapTo(this, QPoint(0, 0));
    // The emptied list is painted before the browser opens.
    runPortalCommand([&] {
        ::sbConnectAADEClick(session, inputs, [this] {
            sgSubmissionList.clearAll();
            QCoreApplication::processEvents();
        });
    });
}

void TfiMistomataTaxis::sbGetTaxisDilsClick() {
    runPortalCommand([this] {
        using TemporarilySaved = SubmissionImport::TemporarilySaved;
        // Asked only when the register holds a temporarily saved declaration.
        const bool deleteThem = StoredDeclarations::HoldsTemporarilySaved() &&
                                askYesNo(SubmissionImport::kDeleteTemporarilySaved);
        import.sbGetTaxisDilsClick(deleteThem ? TemporarilySaved::DeleteAndImportAgain
                                              : TemporarilySaved::Keep);
    });
}

void TfiMistomataTaxis::runPortalCommand(const std::function<void()>& command) {
    session.runExclusive([&] { runGuarded(command); });
    if (m_closeWhenIdle && !session.busy()) {
        m_closeWhenIdle = false;
        QMetaObject::invokeMethod(this, &TfiMistomataTaxis::reject, Qt::QueuedConnection);
    } else if (m_filterWhenIdle && !session.busy()) {
        m_filterWhenIdle = false;
        imFilterClick();
    }
}

bool TfiMistomataTaxis::runWalkingCommand(const std::function<void()>& command) {
    QScrollBar* declarationsBar = dbcMistomata->verticalScrollBar();
    QScrollBar* amendmentsBar = dbcTrop->verticalScrollBar();
    const int declarationsTop = declarationsBar->value();
    const int amendmentsTop = amendmentsBar->value();
    bool done = false;
    {
        TdmTables& tables = dm();
        KeepPlaces inHand{&tables.tblMistDilMast, &tables.tblMistDilDet, &tables.tblMistDilAkinita};
        WaitCursor hourglass;
        done = runGuarded(command);
    }
    // The lists' rows were read again while the cursors moved: they are laid out now, so
    // that the scroll bars reach as far as before.
    for (QTableView* list : {dbcMistomata, dbcTrop})
        list->doItemsLayout();
    declarationsBar->setValue(declarationsTop);
    amendmentsBar->setValue(amendmentsTop);
    return done;
}

bool TfiMistomataTaxis::closeLater() {
    if (!session.busy())
        return false;
    session.requestStop();
    m_closeWhenIdle = true;
    return true;
}

void TfiMistomataTaxis::reject() {
    if (!closeLater())
        QDialog::reject();
}

void TfiMistomataTaxis::closeEvent(QCloseEvent* event) {
    if (closeLater())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TfiMistomataTaxis::runPlatformAction(DeclarationAction action, bool amending) {
    TableCursor& cursor = amending ? dm().tblMistDilDet : dm().tblMistDilMast;
    if (!cursor.isOpen())
        return;
    // On an empty list the number is empty: no form matches, and the action says so.
    const bool inHand = !cursor.isEmpty();
    const QString number =
        inHand ? cursor.text(amending ? QStringLiteral("TropDilCode") : QStringLiteral("DilCode"))
               : QString();
    const QString stage = inHand ? cursor.text(QStringLiteral("StadioYpovolis")) : QString();
    const WaitWindowHooks wait = fiWait->withoutProgress();
    runPortalCommand([&] { RunDeclarationAction(session, action, number, stage, wait); });
}

void TfiMistomataTaxis::miUpdateCurMistClick() {
    TableCursor& declarations = dm().tblMistDilMast;
    if (!declarations.isOpen() || declarations.isEmpty())
        return;
    const QString dilCode = declarations.text(QStringLiteral("DilCode"));
    if (!dilCode.isEmpty())
        runPortalCommand([&] { import.RefreshDeclaration(dilCode, QString()); });
}

void TfiMistomataTaxis::miUpdateCurTropDilClick() {
    TableCursor& amendments = dm().tblMistDilDet;
    if (!amendments.isOpen() || amendments.isEmpty())
        return;
    const QString dilCode = amendments.text(QStringLiteral("DilCode"));
    const QString tropDilCode = amendments.text(QStringLiteral("TropDilCode"));
    if (!dilCode.isEmpty() && !tropDilCode.isEmpty())
        runPortalCommand([&] { import.RefreshDeclaration(dilCode, tropDilCode); });
}

void TfiMistomataTaxis::lbAnazitisiNowClick(QuickSearchKind kind) {
    runGuarded([&] {
        const std::optional<qlonglong> hit = m_search.search(kind, filters->quickSearchText(kind));
        if (hit)
            dm().tblMistDilMast.findKey({*hit});
    });
}

void TfiMistomataTaxis::imFilterClick() {
    if (session.busy()) {
        m_filterWhenIdle = true;
        return;
    }
    // The filter button takes no focus: a date box still being typed in is checked here.
    filters->normaliseDates();
    const FilterCriteria criteria = filters->criteria();
    if (!RegisterFilter::datesAreDates(criteria)) {
        showMessage(RegisterFilter::kNotADate);
        return;
    }
    if (!RegisterFilter::adjustableHasDates(criteria)) {
        showMessage(RegisterFilter::kAdjustableNeedsDates);
        return;
    }
    pnArxeia->hide();
    runGuarded([&] {
        TableCursor& mast = dm().tblMistDilMast;
        mast.setFiltered(false);
        mast.setFilter(QString());
        FilterOutcome outcome;
        try {
            outcome = RegisterFilter::run(criteria);
        } catch (...) {
            mast.refresh();
            throw;
        }
        if (outcome.filterOn()) {
            mast.setFilter(QStringLiteral("FilterField = 1"));
            mast.setFiltered(true);
        } else {
            mast.refresh();
        }
        mast.first();
    });
    pnArxeia->show();
}

void TfiMistomataTaxis::btExportToExcelClick() {
    TemplateCommands::btExportToExcelClick(*this);
}

void TfiMistomataTaxis::btLoadClick() {
    TfiDispMistSymb viewer(dm().tblMistDilMast.isEmpty()
                               ? QString()
                               : dm().tblMistDilMast.text(QStringLiteral("Simiosis")),
                           this);
    runDialog(viewer);
}

void TfiMistomataTaxis::deleteDeclarationInHand() {
    TableCursor& mast = dm().tblMistDilMast;
    if (mast.isEmpty())
        return;
    const QVariant dilCode = mast.value(QStringLiteral("DilCode"));
    TableStore::Transaction transaction;
    StoreQuery q;
    q.setSql(QStringLiteral("DELETE From '") + StoredDeclarations::akinitaPath() +
             QStringLiteral("' Where DilCode = ") + QString::number(dilCode.toLongLong()));
    q.execSql();
    mast.remove();
    transaction.commit();
}

void TfiMistomataTaxis::deleteAmendmentInHand() {
    TableCursor& det = dm().tblMistDilDet;
    if (!det.isEmpty())
        det.remove();
}

bool TfiMistomataTaxis::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && m_listViewports.contains(watched))
        FitGridRows();
    if (event->type() == QEvent::KeyPress && (watched == dbcMistomata || watched == dbcTrop)) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+Delete, with Ctrl the only modifier held.
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            runGuarded([&] {
                if (watched == dbcMistomata)
                    deleteDeclarationInHand();
                else
                    deleteAmendmentInHand();
            });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OpenDeclarationsWorkspace(QWidget* parent, qlonglong dilCode) {
    if (!CurrentCompany().isOpen())
        return;
    TdmTables& tables = dm();
    StoredDeclarations::ClearFilterMarks();
    tables.tblMistDilMast.setFilter(QString());
    tables.tblMistDilMast.setFiltered(false);
    // Closed details first, however the workspace ends.
    CloseAfter closeMast(tables.tblMistDilMast);
    CloseAfter closeDet(tables.tblMistDilDet);
    CloseAfter closeAkinita(tables.tblMistDilAkinita);
    tables.tblMistDilMast.open();
    tables.tblMistDilDet.open();
    tables.tblMistDilAkinita.open();
    TfiMistomataTaxis workspace(parent);
    workspace.showLoginCredentials(loginCredentialsAtOpen(CurrentCompany()));
    if (dilCode != 0)
        tables.tblMistDilMast.findKey({dilCode});
    runDialog(workspace);
}
