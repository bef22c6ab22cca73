#include "exports/TfiReport.h"
#include "common/Confirmable.h"
#include "common/ErrorReport.h"
#include "exports/ExportTemplate.h"
#include "exports/TfiMistDilProtList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QListWidget* checkList(QGroupBox* group, const QString& name, const QStringList& items) {
    auto* list = new QListWidget(group);
    list->setObjectName(name);
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return list;
}

QList<bool> ticksOf(const QListWidget* list) {
    QList<bool> ticks;
    for (int i = 0; i < list->count(); ++i)
        ticks << (list->item(i)->checkState() == Qt::Checked);
    return ticks;
}

QStringList textsOf(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void tick(QListWidget* list, const QList<bool>& ticks) {
    for (int i = 0; i < list->count() && i < ticks.size(); ++i)
        list->item(i)->setCheckState(ticks.at(i) ? Qt::Checked : Qt::Unchecked);
}
} // namespace

TfiReport::TfiReport(WorkspaceFilters filters, QWidget* parent)
    : QDialog(parent), m_filters(std::move(filters)) {
    setObjectName(QStringLiteral("fiReport"));
    setWindowTitle(QStringLiteral("Διαχείριση προτύπων πληροφοριακών  καταστάσεων"));
    resize(850, 651);

    const ExportChoice defaults = ExportChoice::defaults();
    auto group = [this](const QString& title) { return new QGroupBox(title, this); };
    QGroupBox* mastGroup = group(QStringLiteral("Αρχικές δηλώσεις"));
    QGroupBox* mistotesGroup = group(QStringLiteral("Μισθωτές"));
    QGroupBox* akinitaGroup = group(QStringLiteral("Ακίνητα"));
    QGroupBox* tropsGroup = group(QStringLiteral("Τροποποιητικές δηλώσεις"));
    clbMast = checkList(mastGroup, QStringLiteral("clbMast"), defaults.mastTexts);
    clbMistotes = checkList(mistotesGroup, QStringLiteral("clbMistotes"), defaults.mistotesTexts);
    clbAkinita = checkList(akinitaGroup, QStringLiteral("clbAkinita"), defaults.akinitaTexts);
    clbTrops = checkList(tropsGroup, QStringLiteral("clbTrops"), defaults.tropsTexts);

    QGroupBox* propertiesGroup = group(QStringLiteral("Χαρακτηριστικά εκτύπωσης"));
    propertiesGroup->setObjectName(QStringLiteral("rgProperties"));
    rgProperties = new QButtonGroup(this);
    auto* propertiesLayout = new QVBoxLayout(propertiesGroup);
    const QStringList options = {
        QStringLiteral("Χωρίς ειδικές επιλογές"),
        QStringLiteral("Στη λίστα να εξαχθεί MONO η τελευταία δήλωση του συμφωνητικού "
                       "(Χωρίς Ιστορικότητα)"),
        QStringLiteral("Στη λίστα να εξαχθεί ΜΟΝΟ η τελευταία δήλωση του συμφωνητικού "
                       "(Χωρίς Ιστορικότητα) και ΜΟΝΟ το πρώτο ακίνητο")};
    for (int i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(options.at(i), propertiesGroup);
        rgProperties->addButton(option, i);
        propertiesLayout->addWidget(option);
    }

    QGroupBox* manageGroup = group(QStringLiteral("Διαχείριση χαρακτηριστικών"));
    edProtypoTitle = new QLineEdit(manageGroup);
    edProtypoTitle->setObjectName(QStringLiteral("edProtypoTitle"));
    edProtypoTitle->setMaxLength(100);
    cbSaveFilters = new QCheckBox(QStringLiteral("Να αποθηκευτούν και τα φίλτρα"), manageGroup);
    cbSaveFilters->setObjectName(QStringLiteral("cbSaveFilters"));
    btLoad = new QPushButton(QStringLiteral("Επιλογή προτύπου"), manageGroup);
    btLoad->setObjectName(QStringLiteral("btLoad"));
    btSave = new QPushButton(QStringLiteral("Αποθήκευση προτύπου"), manageGroup);
    btSave->setObjectName(QStringLiteral("btSave"));
    auto* manageLayout = new QGridLayout(manageGroup);
    manageLayout->addWidget(
        new QLabel(QStringLiteral("Δώστε τίτλο αποθήκευσης προτύπου :"), manageGroup), 0, 0);
    manageLayout->addWidget(edProtypoTitle, 0, 1, 1, 2);
    manageLayout->addWidget(cbSaveFilters, 1, 0);
    manageLayout->addWidget(btLoad, 1, 1);
    manageLayout->addWidget(btSave, 1, 2);

    btExit = new QPushButton(QStringLiteral("Έξοδος"), this);
    btExit->setObjectName(QStringLiteral("btExit"));
    btExport = new QPushButton(QStringLiteral("Εξαγωγή δεδομένων"), this);
    btExport->setObjectName(QStringLiteral("btExport"));
    btExport->hide();
    for (QPushButton* b : {btLoad, btSave, btExit, btExport})
        b->setAutoDefault(false);

    auto* lists = new QGridLayout;
    lists->addWidget(mastGroup, 0, 0);
    lists->addWidget(mistotesGroup, 0, 1);
    lists->addWidget(akinitaGroup, 0, 2, 2, 1);
    lists->addWidget(tropsGroup, 1, 0, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btExport);
    bottom->addWidget(btExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Επιλέξτε τα πεδία που θα  συμπεριληφθούν στην εξαγωγή των δεδομένων"),
        this));
    layout->addLayout(lists, 1);
    layout->addWidget(propertiesGroup);
    layout->addWidget(manageGroup);
    layout->addLayout(bottom);

    setChoice(defaults);
    connect(rgProperties, &QButtonGroup::idToggled, this, [this](int option, bool on) {
        if (on)
            rgPropertiesClick(option);
    });
    connect(btSave, &QPushButton::clicked, this, [this] { runGuarded([this] { btSaveClick(); }); });
    connect(btLoad, &QPushButton::clicked, this, [this] { runGuarded([this] { btLoadClick(); }); });
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(btExport, &QPushButton::clicked, this, &QDialog::accept);
}

ExportChoice TfiReport::choice() const {
    ExportChoice c;
    c.mast = ticksOf(clbMast);
    c.mistotes = ticksOf(clbMistotes);
    c.trops = ticksOf(clbTrops);
    c.akinita = ticksOf(clbAkinita);
    c.mastTexts = textsOf(clbMast);
    c.mistotesTexts = textsOf(clbMistotes);
    c.tropsTexts = textsOf(clbTrops);
    c.akinitaTexts = textsOf(clbAkinita);
    c.layout = exportLayoutOf(rgProperties->checkedId()).value_or(ExportLayout::Full);
    return c;
}

void TfiReport::setChoice(const ExportChoice& c) {
    tick(clbMast, c.mast);
    tick(clbMistotes, c.mistotes);
    tick(clbTrops, c.trops);
    tick(clbAkinita, c.akinita);
    if (QAbstractButton* option = rgProperties->button(optionOf(c.layout)))
        option->setChecked(true);
}

void TfiReport::rgPropertiesClick(int option) {
    ExportChoice c = choice();
    if (const std::optional<ExportLayout> layout = exportLayoutOf(option))
        ExportTemplates::setLayout(c, *layout);
    setChoice(c);
}

void TfiReport::btSaveClick() {
    ExportTemplate stored = ExportTemplates::fromChoice(choice(), edProtypoTitle->text());
    if (cbSaveFilters->isChecked())
        stored.filters = m_filters.criteria();
    runAskingFirst(
        [&stored](Consent overwrite) { return ExportTemplates::save(stored, overwrite); });
}

void TfiReport::btLoadClick() {
    m_templateChosen = false;
    const std::optional<ExportTemplate> chosen = chooseExportTemplate(this);
    if (!chosen)
        return;
    m_templateChosen = true;
    edProtypoTitle->setText(chosen->title);
    if (chosen->filters) {
        cbSaveFilters->setChecked(true);
        m_filters.show(*chosen->filters);
    }
    ExportChoice c = choice();
    ExportTemplates::applyTo(*chosen, c);
    setChoice(c);
    if (cbSaveFilters->isChecked())
        m_filters.run();
}
