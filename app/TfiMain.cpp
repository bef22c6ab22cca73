#include "app/TfiMain.h"
#include "app/AboutBox.h"
#include "app/PictureButton.h"
#include "app/StatusBarTexts.h"
#include "app/TfiEditorial.h"
#include "common/AppVersion.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/HttpGet.h"
#include "common/Messages.h"
#include "common/Settings.h"
#include "common/ShellOpen.h"
#include "common/WaitCursor.h"
#include "common/WorkFolder.h"
#include "companies/CompanyCommands.h"
#include "companies/CompanyLock.h"
#include "companies/CompanyRegister.h"
#include "companies/CompanyTexts.h"
#include "companies/CurrentCompany.h"
#include "companies/InstallationId.h"
#include "companies/TfiNewComp.h"
#include "operators/CurrentOperator.h"
#include "operators/Rights.h"
#include "operators/TfiNewPass.h"
#include "operators/TfiUsers.h"
#include "store/CursorGuard.h"
#include "store/TdmTables.h"
#include "updates/Updates.h"
#include "workspace-window/TfiMistomataTaxis.h"
#include "workspace-window/TfiOfficeOverview.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const int kHelpVideoTimeoutMs = 2000;

const QString kDeleteTablesQuestion =
    QStringLiteral("ΠΡΟΣΟΧΗ!!!! Με την επιλογή αυτή διαγράφονται όλα τα δεδομένα των Συμφωνητικών "
                   "Μίσθωσης που έχουν φορτωθεί από την πλατφόρμα της ΑΑΔΕ.") +
    QLatin1Char('\n') + QStringLiteral("Να συνεχιστεί η διαγραφή - αρχικοποίηση;");

// A label that runs a command when clicked.
class ClickablePanel : public QLabel {
public:
    ClickablePanel(const QString& text, std::function<void()> command, QWidget* parent)
        : QLabel(text, parent), m_command(std::move(command)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        if (m_command)
            m_command();
    }

private:
    std::function<void()> m_command;
};

bool isForwardedCommand(const QString& name) {
    return name == QLatin1String("acSave") || name == QLatin1String("acCloseMdiForm") ||
           name == QLatin1String("acPreview") || name == QLatin1String("acPrint") ||
           name == QLatin1String("acExportBookToExcel");
}
} // namespace

TfiMain::TfiMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("fiMain"));
    setWindowTitle(QStringLiteral("Lethora"));

    addCommand(QStringLiteral("acNewComp"), QStringLiteral("Δημιουργία Εταιρείας"), {},
               &TfiMain::acNewCompExecute);
    addCommand(QStringLiteral("acOpenCompany"), QStringLiteral("&Eπιλογή Εταιρείας"),
               QKeySequence(Qt::Key_F11), &TfiMain::acOpenCompanyExecute);
    addCommand(QStringLiteral("acCompChange"), QStringLiteral("Μεταβολή Στοιχείων Εταιρείας"), {},
               &TfiMain::acCompChangeExecute);
    addCommand(QStringLiteral("acCompClose"), QStringLiteral("Τέλος Εργασιών Εταιρείας"),
               QKeySequence(Qt::ALT | Qt::Key_T), &TfiMain::acCompCloseExecute);
    addCommand(QStringLiteral("acDeleteCompany"), QStringLiteral("Διαγραφή Εταιρείας"), {},
               &TfiMain::acDeleteCompanyExecute);
    addCommand(QStringLiteral("acTarvenis"),
               QStringLiteral("Οργάνωση - Διαχείριση Συμφωνητικών Μίσθωσης"), {},
               &TfiMain::acTarvenisExecute);
    QAction* save = addCommand(QStringLiteral("acSave"), QStringLiteral("Αποθήκευση"),
                               QKeySequence(Qt::Key_F2), nullptr);
    connect(save, &QAction::triggered, this,
            [this] { forwardToActiveChild(QStringLiteral("miSave")); });
    QAction* preview =
        addCommand(QStringLiteral("acPreview"), QStringLiteral("Προεπισκόπιση"), {}, nullptr);
    preview->setToolTip(QStringLiteral("Προεπισκόπιση Εκτύπωσης"));
    connect(preview, &QAction::triggered, this,
            [this] { forwardToActiveChild(QStringLiteral("miPreview")); });
    QAction* print = addCommand(QStringLiteral("acPrint"), QStringLiteral("Εκτύπωση"), {}, nullptr);
    connect(print, &QAction::triggered, this,
            [this] { forwardToActiveChild(QStringLiteral("miPrint")); });
    QAction* exportBook = addCommand(QStringLiteral("acExportBookToExcel"),
                                     QStringLiteral("Εξαγωγή σε Excel"), {}, nullptr);
    connect(exportBook, &QAction::triggered, this,
            [this] { forwardToActiveChild(QStringLiteral("miExportToExcel")); });
    QAction* closeForm = addCommand(QStringLiteral("acCloseMdiForm"),
                                    QStringLiteral("Κλείσιμο Φόρμας"), {}, nullptr);
    connect(closeForm, &QAction::triggered, this, [this] {
        if (QMdiSubWindow* child = activeChildWindow())
            child->close();
    });
    addCommand(QStringLiteral("acNewVer"), QStringLiteral("Ενημέρωση νέων εκδόσεων"), {},
               &TfiMain::acNewVerExecute);
    addCommand(QStringLiteral("acUsers"), QStringLiteral("Διαχείριση Χειριστών"), {},
               &TfiMain::acUsersExecute);
    addCommand(QStringLiteral("acNewPass"), QStringLiteral("Αλλαγή Password"), {},
               &TfiMain::acNewPassExecute);
    addCommand(QStringLiteral("acDeleteTables"), QStringLiteral("Διαγραφή Δεδομένων Συμφωνητικών "),
               {}, &TfiMain::acDeleteTablesExecute);
    QAction* overview =
        addCommand(QStringLiteral("acOfficeOverview"), QStringLiteral("Εκκρεμότητες Γραφείου"), {},
                   &TfiMain::acOfficeOverviewExecute);
    // On two lines under its icon, so that the toolbar still fits a screen of 1280 pixels.
    overview->setIconText(QStringLiteral("Εκκρεμότητες\nΓραφείου"));
    overview->setToolTip(overview->text());

    buildMenus();
    buildToolbar();
    setCentralWidget(buildClientArea());
    buildStatusBar();

    auto* idle = new QTimer(this);
    idle->setInterval(150);
    connect(idle, &QTimer::timeout, this, &TfiMain::updateCommands);
    idle->start();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TfiMain::updateCommands);
    updateCommands();
}

QAction* TfiMain::addCommand(const QString& name, const QString& caption, const QKeySequence& key,
                             void (TfiMain::*handler)()) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (handler)
        connect(a, &QAction::triggered, this,
                [this, handler] { runGuarded([&] { (this->*handler)(); }); });
    addAction(a);
    return a;
}

QAction* TfiMain::action(const QString& name) const {
    return findChild<QAction*>(name);
}

void TfiMain::buildMenus() {
    // Items with a caption of their own show it instead of the command's.
    auto item = [this](QMenu* menu, const QString& actionName, const QString& itemName,
                       const QString& caption) {
        QAction* source = action(actionName);
        QAction* a = menu->addAction(caption.isEmpty() ? source->text() : caption);
        a->setObjectName(itemName);
        a->setShortcut(source->shortcut());
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, source, &QAction::trigger);
        connect(source, &QAction::changed, a, [a, source] { a->setEnabled(source->isEnabled()); });
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("Αρχείο"));
    item(file, QStringLiteral("acSave"), QStringLiteral("miSave"), QString());
    file->addSeparator();
    item(file, QStringLiteral("acPreview"), QStringLiteral("miPreview"), QString());
    item(file, QStringLiteral("acPrint"), QStringLiteral("miPrint"), QString());
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("Έξοδος"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("miExit"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu* owners = menuBar()->addMenu(QStringLiteral("Διαχείριση Ιδιοκτητών"));
    item(owners, QStringLiteral("acNewComp"), QStringLiteral("miNewCompany"),
         QStringLiteral("Νέος Ιδιοκτήτης"));
    item(owners, QStringLiteral("acOpenCompany"), QStringLiteral("miChooseCompany"),
         QStringLiteral("&Eπιλογή Ιδιοκτήτη"));
    item(owners, QStringLiteral("acCompChange"), QStringLiteral("miIndexCompany"),
         QStringLiteral("Μεταβολή Στοιχείων Ιδιοκτήτη"));
    owners->addSeparator();
    item(owners, QStringLiteral("acDeleteCompany"), QStringLiteral("miDeleteCompany"),
         QStringLiteral("Διαγραφή Ιδιοκτήτη"));
    owners->addSeparator();
    item(owners, QStringLiteral("acCompClose"), QStringLiteral("miCloseCompany"),
         QStringLiteral("Τέλος Εργασιών Ιδιοκτήτη"));

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Εργαλεία Εφαρμογής"));
    item(tools, QStringLiteral("acNewVer"), QStringLiteral("miCheckNewVersions"), QString());
    miUsers = item(tools, QStringLiteral("acUsers"), QStringLiteral("miUsers"), QString());
    item(tools, QStringLiteral("acNewPass"), QStringLiteral("miNewPass"), QString());
    item(tools, QStringLiteral("acOfficeOverview"), QStringLiteral("miOfficeOverview"), QString());
    tools->addSeparator();
    item(tools, QStringLiteral("acDeleteTables"), QStringLiteral("miDeleteTables"), QString());

    QMenu* help = menuBar()->addMenu(QStringLiteral("Βοήθητικά"));
    QAction* about = help->addAction(QStringLiteral("Πληροφορίες για την \"LETHORA\""));
    about->setObjectName(QStringLiteral("miAbout"));
    connect(about, &QAction::triggered, this, [this] {
        AboutBox box(this);
        runDialog(box);
    });
}

void TfiMain::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("tlbMain"));
    bar->setObjectName(QStringLiteral("tlbMain"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const QList<QPair<const char*, QStyle::StandardPixmap>> layout = {
        {"acNewComp", QStyle::SP_FileIcon},
        {"acOpenCompany", QStyle::SP_DirOpenIcon},
        {"acDeleteCompany", QStyle::SP_TrashIcon},
        {"acCompChange", QStyle::SP_FileDialogDetailedView},
        {nullptr, {}},
        {"acOfficeOverview", QStyle::SP_FileDialogInfoView},
        {nullptr, {}},
        {"acCompClose", QStyle::SP_DialogCloseButton},
        {nullptr, {}},
        {"acSave", QStyle::SP_DialogSaveButton},
        {nullptr, {}},
        {"acCloseMdiForm", QStyle::SP_TitleBarCloseButton},
        {nullptr, {}},
        {"acPreview", QStyle::SP_FileDialogContentsView},
        {"acPrint", QStyle::SP_DriveFDIcon},
        {"acExportBookToExcel", QStyle::SP_ArrowForward}};
    for (const auto& [name, icon] : layout) {
        if (!name) {
            bar->addSeparator();
            continue;
        }
        QAction* a = action(QString::fromLatin1(name));
        a->setIcon(style()->standardIcon(icon));
        bar->addAction(a);
        // The commands of the child windows show their icon alone (their caption is the
        // hint), so that the whole bar fits a screen of 1280 pixels.
        if (isForwardedCommand(QString::fromLatin1(name)))
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
                button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    // An icon of the style's own: a symbol character may be missing from the font.
    auto* pnHelp = new QToolButton(bar);
    pnHelp->setObjectName(QStringLiteral("pnHelp"));
    pnHelp->setText(QStringLiteral("Οδηγίες χρήσης "));
    pnHelp->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    pnHelp->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    pnHelp->setAutoRaise(true);
    pnHelp->setCursor(Qt::PointingHandCursor);
    connect(pnHelp, &QToolButton::clicked, this,
            [this] { pnVideoHelp->setVisible(pnVideoHelp->isHidden()); });
    bar->addWidget(pnHelp);
}

QWidget* TfiMain::buildClientArea() {
    auto* client = new QWidget(this);
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(0, 0, 0, 0);
    m_mdi = new QMdiArea(client);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    grid->addWidget(m_mdi, 0, 0);

    MainPanel = new QFrame(client);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    auto* first = new QHBoxLayout(MainPanel);
    auto* newCompany = new PictureButton(QStringLiteral("1"), QStringLiteral("imgP1"),
                                         drawPicture(QStringLiteral("+"), QColor(40, 120, 200)),
                                         QStringLiteral("Νέος Ιδιοκτήτης"), MainPanel);
    newCompany->setCommand([this] { action(QStringLiteral("acNewComp"))->trigger(); });
    auto* openCompany = new PictureButton(QStringLiteral("2"), QStringLiteral("imgP2"),
                                          drawPicture(QStringLiteral("☰"), QColor(30, 150, 90)),
                                          QStringLiteral("Επιλογή Ιδιοκτήτη"), MainPanel);
    openCompany->setCommand([this] { action(QStringLiteral("acOpenCompany"))->trigger(); });
    first->addWidget(newCompany);
    first->addSpacing(40);
    first->addWidget(openCompany);
    grid->addWidget(MainPanel, 0, 0, Qt::AlignCenter);

    MainPanel2 = new QFrame(client);
    MainPanel2->setObjectName(QStringLiteral("MainPanel2"));
    auto* second = new QHBoxLayout(MainPanel2);
    auto* workspace = new PictureButton(
        QStringLiteral("11"), QStringLiteral("imP11"),
        drawPicture(QStringLiteral("§"), QColor(160, 90, 30)),
        QStringLiteral("Οργάνωση - Διαχείριση Συμφωνητικών Μίσθωσης"), MainPanel2);
    workspace->setCommand([this] { action(QStringLiteral("acTarvenis"))->trigger(); });
    second->addWidget(workspace);
    grid->addWidget(MainPanel2, 0, 0, Qt::AlignCenter);
    m_pictures = {newCompany, openCompany, workspace};
    for (QFrame* panel : {MainPanel, MainPanel2}) {
        panel->setMouseTracking(true);
        panel->installEventFilter(this);
    }

    pnVideoHelp = new QFrame(client);
    pnVideoHelp->setObjectName(QStringLiteral("pnVideoHelp"));
    pnVideoHelp->setFrameShape(QFrame::StyledPanel);
    pnVideoHelp->setAutoFillBackground(true);
    pnVideoHelp->setFixedWidth(360);
    auto* videos = new QVBoxLayout(pnVideoHelp);
    videos->setContentsMargins(4, 4, 4, 4);
    videos->setSpacing(2);
    pnVideosTitle = new QFrame(pnVideoHelp);
    pnVideosTitle->setObjectName(QStringLiteral("pnVideosTitle"));
    auto* titleLayout = new QVBoxLayout(pnVideosTitle);
    titleLayout->setContentsMargins(4, 4, 4, 4);
    auto* title = new QLabel(QStringLiteral("Βίντεο οδηγιών χρήσης της εφαρμογής "), pnVideosTitle);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    titleLayout->addWidget(title);
    videos->addWidget(pnVideosTitle);
    for (int n = 1; n <= kHelpVideoPanels; ++n) {
        auto* panel = new ClickablePanel(
            QString(), [this, n] { videoPanelClick(n); }, pnVideoHelp);
        panel->setObjectName(QStringLiteral("pnVideo") + QString::number(n));
        panel->setFixedHeight(24);
        panel->hide();
        videos->addWidget(panel);
        m_videoPanels << panel;
    }
    videos->addStretch();
    grid->addWidget(pnVideoHelp, 0, 0, Qt::AlignRight | Qt::AlignTop);
    return client;
}

void TfiMain::buildStatusBar() {
    const int designWidths[] = {10, 200, 125, 125};
    for (int n = 0; n < 4; ++n) {
        auto* panel = new QLabel(statusBar());
        panel->setObjectName(QStringLiteral("StatusPanel") + QString::number(n));
        panel->setFixedWidth(designWidths[n]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(panel);
        m_statusPanels << panel;
    }
}

void TfiMain::fitPanel(int n) {
    QLabel* panel = m_statusPanels.at(n);
    panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(panel->text()) + 20);
}

void TfiMain::RefreshStatusBar() {
    const CompanyRecord& company = CurrentCompany();
    const StatusBarTexts texts = statusBarTexts(company.AFM, company.BigName, QDate::currentDate());
    if (texts.clearAll) {
        for (QLabel* panel : m_statusPanels)
            panel->clear();
        return;
    }
    if (!texts.keepPanel0)
        m_statusPanels.at(0)->setText(texts.panel0);
    fitPanel(0);
    m_statusPanels.at(1)->setText(texts.panel1);
    fitPanel(1);
    fitPanel(2);
    m_statusPanels.at(3)->setText(texts.panel3);
    fitPanel(3);
}

void TfiMain::updateCommands() {
    MainWindowSituation situation;
    situation.companyOpen = CurrentCompany().isOpen();
    situation.childWindows = static_cast<int>(m_mdi->subWindowList().size());
    if (QMdiSubWindow* active = activeChildWindow(); active && active->widget())
        situation.activeChildName = active->widget()->objectName();
    applyEnablingRule(situation, m_commands);
    const QList<QPair<const char*, bool>> states = {
        {"acSave", m_commands.acSave},
        {"acCloseMdiForm", m_commands.acCloseMdiForm},
        {"acPreview", m_commands.acPreview},
        {"acPrint", m_commands.acPrint},
        {"acExportBookToExcel", m_commands.acExportBookToExcel},
        {"acNewComp", m_commands.acNewComp},
        {"acOpenCompany", m_commands.acOpenCompany},
        {"acDeleteCompany", m_commands.acDeleteCompany},
        {"acCompChange", m_commands.acCompChange},
        {"acCompClose", m_commands.acCompClose}};
    for (const auto& [name, enabled] : states)
        action(QString::fromLatin1(name))->setEnabled(enabled);
    if (m_commands.hideVideoHelp)
        pnVideoHelp->hide();
    MainPanel->setVisible(m_commands.mainPanelVisible);
    MainPanel2->setVisible(m_commands.mainPanel2Visible);
}

QMdiSubWindow* TfiMain::activeChildWindow() const {
    if (QMdiSubWindow* active = m_mdi->activeSubWindow())
        return active;
    // While the main window itself is not active, the child on top counts as active.
    const QList<QMdiSubWindow*> stack = m_mdi->subWindowList(QMdiArea::StackingOrder);
    return stack.isEmpty() ? nullptr : stack.constLast();
}

void TfiMain::forwardToActiveChild(const QString& itemName) {
    QMdiSubWindow* active = activeChildWindow();
    if (!active || !active->widget())
        return;
    if (QAction* item = active->widget()->findChild<QAction*>(itemName))
        runGuarded([item] { item->trigger(); });
}

void TfiMain::acNewCompExecute() {
    if (!CompanyCommands::createCompany(this))
        return;
    RefreshStatusBar();
    updateCommands();
    acCompChangeExecute();
}

void TfiMain::acOpenCompanyExecute() {
    if (!CompanyCommands::openCompany(this))
        return;
    MainPanel->hide();
    action(QStringLiteral("acNewComp"))->setEnabled(false);
    RefreshStatusBar();
    updateCommands();
}

void TfiMain::acDeleteCompanyExecute() {
    CompanyCommands::deleteCompany(this);
}

void TfiMain::acCompChangeExecute() {
    if (!CurrentCompany().isOpen())
        return;
    auto* editor = new TfiNewComp;
    runGuarded([] { CompanyRegister::open(CurrentCompany().AFM); });
    editor->fill();
    editor->setOnClosed([this] {
        RefreshStatusBar();
        QTimer::singleShot(0, this, &TfiMain::updateCommands);
    });
    QMdiSubWindow* sub = m_mdi->addSubWindow(editor, Qt::FramelessWindowHint);
    sub->showMaximized();
    editor->edBigName->setFocus();
    updateCommands();
}

void TfiMain::acTarvenisExecute() {
    OpenDeclarationsWorkspace(this);
}

void TfiMain::acCompCloseExecute() {
    CompanyRecord& company = CurrentCompany();
    CompanyLock::release(company.AFM, InstallationId());
    company.AFM.clear();
    company.BigName.clear();
    RefreshStatusBar();
    updateCommands();
}

void TfiMain::acDeleteTablesExecute() {
    const CompanyRecord& company = CurrentCompany();
    if (!company.isOpen())
        return;
    if (!askYesNo(kDeleteTablesQuestion))
        return;
    WaitCursor hourglass;
    dmTables().ResetDeclarationTables(company.dataFolder());
}

void TfiMain::acNewVerExecute() {
    if (!Rights::check(Rights::kNoDeletes))
        return;
    ShowVersionWindow(this);
}

void TfiMain::acUsersExecute() {
    ShowOperatorsManagement(this);
}

void TfiMain::acNewPassExecute() {
    TableCursor& users = dmTables().tblUsers;
    users.open();
    CloseAfter closeAfter(users);
    TfiNewPass dialog(this);
    runDialog(dialog);
}

void TfiMain::acOfficeOverviewExecute() {
    // One overview at a time: the command brings it forward and reads it again.
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (auto* open = qobject_cast<TfiOfficeOverview*>(sub->widget())) {
            m_mdi->setActiveSubWindow(sub);
            open->refresh();
            return;
        }
    }
    auto* overview = new TfiOfficeOverview;
    overview->setAttribute(Qt::WA_DeleteOnClose);
    overview->onOpenDeclaration = [this](const QString& afm, qlonglong dilCode) {
        runGuarded([&] { openFromOverview(afm, dilCode); });
    };
    QMdiSubWindow* sub = m_mdi->addSubWindow(overview);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->showMaximized();
    updateCommands();
    overview->refresh();
}

void TfiMain::openFromOverview(const QString& afm, qlonglong dilCode) {
    const CompanyRecord& company = CurrentCompany();
    if (company.isOpen() && company.AFM != afm) {
        // Another owner is open: its work ends first, which its editor must not be open for.
        for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
            if (sub->widget() && sub->widget()->objectName() == QLatin1String("fiNewComp")) {
                showMessage(CompanyTexts::kCloseEditorFirst);
                return;
            }
        }
        if (!askYesNo(CompanyTexts::otherCompanyOpen(company.AFM, afm)))
            return;
        acCompCloseExecute();
    }
    if (!CurrentCompany().isOpen()) {
        if (!CompanyRegister::openVisible(afm))
            return;
        RefreshStatusBar();
        updateCommands();
    }
    OpenDeclarationsWorkspace(this, dilCode);
}

void TfiMain::prepareAfterLogin() {
    setWindowTitle(kAppTitle + QLatin1Char(' ') + kAppVersionText);
    miUsers->setVisible(CurrentOperator().UserName == adminName());
    loadHelpVideos();
    m_firstActivation = true;
}

void TfiMain::loadHelpVideos() {
    sgVideos.clear();
    for (QLabel* panel : m_videoPanels)
        panel->hide();
    const HttpReply reply = httpGet(ServiceAddresses::helpVideoList(), kHelpVideoTimeoutMs);
    const HelpVideoList list = reply.ok ? parseHelpVideos(QString::fromUtf8(reply.body))
                                        : HelpVideoList{{}, helpVideoFailure(0, QString())};
    for (int n = 1; n <= list.videos.size(); ++n) {
        const HelpVideo& video = list.videos.at(n - 1);
        sgVideos << video;
        m_videoPanels.at(n - 1)->setText(QStringLiteral("  ") + QString::number(n) +
                                         QLatin1Char('.') + video.caption);
        m_videoPanels.at(n - 1)->show();
        QCoreApplication::processEvents();
    }
    setVideoHelpHeight();
    if (!list.failure.isEmpty())
        showMessage(list.failure);
}

void TfiMain::setVideoHelpHeight() {
    int height = pnVideosTitle->sizeHint().height() + 10;
    for (QLabel* panel : m_videoPanels)
        if (!panel->isHidden())
            height += panel->height();
    pnVideoHelp->setFixedHeight(height + 12);
}

void TfiMain::videoPanelClick(int n) {
    if (n < 1 || n > sgVideos.size() || sgVideos.at(n - 1).linkCode.isEmpty())
        return;
    shellOpen(ServiceAddresses::helpVideoPage() + sgVideos.at(n - 1).linkCode);
}

void TfiMain::showEditorialOnFirstActivation() {
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    if (!WorkFolder::exists(QStringLiteral("editorial.ini")))
        return;
    TfiEditorial editorial(this);
    runDialog(editorial);
}

bool TfiMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_firstActivation)
        QTimer::singleShot(0, this, [this] { showEditorialOnFirstActivation(); });
    return QMainWindow::event(event);
}

bool TfiMain::eventFilter(QObject* watched, QEvent* event) {
    // Moving over a picture panel's background gives its pictures their resting colour.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == MainPanel) {
            m_pictures.at(0)->restoreHighlight();
            m_pictures.at(1)->restoreHighlight();
        } else if (watched == MainPanel2) {
            m_pictures.at(2)->restoreHighlight();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfiMain::closeEvent(QCloseEvent* event) {
    CompanyLock::release(CurrentCompany().AFM, InstallationId());
    event->accept();
}
