#include "workspace-window/TfiOfficeOverview.h"
#include "common/ErrorReport.h"
#include "common/WaitCursor.h"
#include "exports/OverviewExport.h"
#include "operators/Rights.h"
#include "workspace-window/OverviewListModel.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char* const kTitles[] = {"Λήξεις μισθώσεων", "Προσωρινά αποθηκευμένες", "Αναμονή αποδοχής"};
} // namespace

TfiOfficeOverview::TfiOfficeOverview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fiOfficeOverview"));
    setWindowTitle(QStringLiteral("Εκκρεμότητες Γραφείου"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Λήξεις μισθώσεων στις επόμενες"), this));
    sbDays = new QSpinBox(this);
    sbDays->setObjectName(QStringLiteral("sbDays"));
    sbDays->setRange(OfficeOverviewReader::kMinDays, OfficeOverviewReader::kMaxDays);
    sbDays->setValue(OfficeOverviewReader::kDefaultDays);
    top->addWidget(sbDays);
    top->addWidget(new QLabel(QStringLiteral("ημέρες"), this));
    top->addStretch();
    btRefresh = new QPushButton(QStringLiteral("Ανανέωση"), this);
    btRefresh->setObjectName(QStringLiteral("btRefresh"));
    btExportToExcel = new QPushButton(QStringLiteral("Εξαγωγή σε Excel"), this);
    btExportToExcel->setObjectName(QStringLiteral("btExportToExcel"));
    top->addWidget(btRefresh);
    top->addWidget(btExportToExcel);

    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(listGroup(gridExpiring, 0));
    lists->addWidget(listGroup(gridUnfinished, 1));
    lists->addWidget(listGroup(gridUnaccepted, 2));

    lbUnreadable = new QLabel(this);
    lbUnreadable->setObjectName(QStringLiteral("lbUnreadable"));
    lbUnreadable->setWordWrap(true);
    lbUnreadable->setStyleSheet(QStringLiteral("color: rgb(180, 0, 0);"));
    lbUnreadable->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lists, 1);
    layout->addWidget(lbUnreadable);

    miExportToExcel = new QAction(QStringLiteral("Εξαγωγή σε Excel"), this);
    miExportToExcel->setObjectName(QStringLiteral("miExportToExcel"));
    addAction(miExportToExcel);
    connect(miExportToExcel, &QAction::triggered, this, [this] { btExportToExcelClick(); });
    connect(btExportToExcel, &QPushButton::clicked, this, [this] { btExportToExcelClick(); });
    connect(btRefresh, &QPushButton::clicked, this, [this] { refresh(); });
    // The days typed or stepped through are read once the operator pauses.
    m_daysChanged = new QTimer(this);
    m_daysChanged->setSingleShot(true);
    m_daysChanged->setInterval(400);
    connect(m_daysChanged, &QTimer::timeout, this,
            [this] { refresh(OfficeOverviewReader::Expiring); });
    connect(sbDays, &QSpinBox::valueChanged, m_daysChanged, qOverload<>(&QTimer::start));
    resize(1100, 760);
}

QGroupBox* TfiOfficeOverview::listGroup(QTableView*& grid, int n) {
    auto* group = new QGroupBox(QString::fromUtf8(kTitles[n]), this);
    auto* model = new OverviewListModel(this);
    grid = new QTableView(group);
    grid->setObjectName(QStringList{"gridExpiring", "gridUnfinished", "gridUnaccepted"}.at(n));
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setStretchLastSection(true);
    // Column widths are fitted to the first rows, not to thousands of them.
    grid->horizontalHeader()->setResizeContentsPrecision(200);
    connect(grid, &QTableView::doubleClicked, this,
            [this, n](const QModelIndex& index) { gridDoubleClick(n, index.row()); });
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(grid);
    m_models << model;
    m_groups << group;
    return group;
}

void TfiOfficeOverview::refresh(int lists) {
    runGuarded([&] {
        WaitCursor hourglass;
        const OfficeOverview overview = OfficeOverviewReader::read(
            OfficeOverviewReader::owners(CompanyVisibility::filterForOpening()),
            m_today.isValid() ? m_today : QDate::currentDate(), sbDays->value(), lists);
        const QList<OverviewTable> tables = OverviewTables::all(overview);
        for (int n = 0; n < 3; ++n) {
            if (!(lists & (1 << n)))
                continue;
            m_models.at(n)->setTable(tables.at(n));
            m_groups.at(n)->setTitle(QString::fromUtf8(kTitles[n]) + QStringLiteral(" (") +
                                     QString::number(tables.at(n).rows.size()) + QLatin1Char(')'));
        }
        const QString unreadable = OfficeOverviewReader::unreadableLine(overview.unreadable);
        lbUnreadable->setText(unreadable);
        lbUnreadable->setVisible(!unreadable.isEmpty());
        for (QTableView* grid : {gridExpiring, gridUnfinished, gridUnaccepted})
            grid->resizeColumnsToContents();
    });
}

void TfiOfficeOverview::gridDoubleClick(int n, int row) {
    const OverviewTable& table = m_models.at(n)->table();
    if (row < 0 || row >= table.keys.size() || !onOpenDeclaration)
        return;
    const OverviewRowKey key = table.keys.at(row);
    onOpenDeclaration(key.afm, key.dilCode);
}

void TfiOfficeOverview::btExportToExcelClick() {
    runGuarded([this] {
        WaitCursor hourglass;
        ExportOfficeOverview(
            {m_models.at(0)->table(), m_models.at(1)->table(), m_models.at(2)->table()});
    });
}
