#include "workspace-window/FilterPanel.h"
#include "companies/TMaskEditDate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QGroupBox* row(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 6, 6, 6);
    return group;
}
} // namespace

FilterPanel::FilterPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Φίλτρα και Αναζήτηση Δηλώσεων Μισθωμάτων"), parent) {
    setObjectName(QStringLiteral("gbFilters"));
    cbStadioDilosis = new QComboBox(this);
    cbStadioDilosis->setObjectName(QStringLiteral("cbStadioDilosis"));
    cbStadioDilosis->addItems({QStringLiteral("------  Επιλέξτε το Στάδιο Δήλωσης ------"),
                               QStringLiteral("Όλες τις Δηλώσεις"),
                               QStringLiteral("Μόνο τις Ενεργές Δηλώσεις"),
                               QStringLiteral("Μόνο τις Οριστικές Δηλώσεις"),
                               QStringLiteral("Μόνο τις Προσωρινα Αποθηκευμένες Δηλώσεις")});
    auto* stageLine = new QHBoxLayout;
    stageLine->addWidget(new QLabel(QStringLiteral("Στάδιο Δήλωσης :"), this));
    stageLine->addWidget(cbStadioDilosis, 1);

    auto field = [this](const QString& name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        return e;
    };
    QGroupBox* first = row(QStringLiteral("1ο Φίλτρο"), this);
    auto* firstGrid = static_cast<QGridLayout*>(first->layout());
    firstGrid->addWidget(new QLabel(QStringLiteral("Μισθώσεις του .. : "), first), 0, 0, 1, 3);
    edFilterName = field(QStringLiteral("edFilterName"));
    edFilterAFM = field(QStringLiteral("edFilterAFM"));
    firstGrid->addWidget(new QLabel(QStringLiteral("Επωνυμo/ία :"), first), 1, 0);
    firstGrid->addWidget(edFilterName, 1, 1);
    firstGrid->addWidget(magnifier(QuickSearchKind::Name), 1, 2);
    firstGrid->addWidget(new QLabel(QStringLiteral("ΑΦΜ :"), first), 2, 0);
    firstGrid->addWidget(edFilterAFM, 2, 1);
    firstGrid->addWidget(magnifier(QuickSearchKind::TaxNumber), 2, 2);

    QGroupBox* second = row(QStringLiteral("2ο Φίλτρο"), this);
    auto* secondGrid = static_cast<QGridLayout*>(second->layout());
    edFilterDateApo = new TMaskEditDate(second);
    edFilterDateApo->setObjectName(QStringLiteral("edFilterDateApo"));
    edFilterDateEos = new TMaskEditDate(second);
    edFilterDateEos->setObjectName(QStringLiteral("edFilterDateEos"));
    cbLisis = new QCheckBox(QStringLiteral("με λύσεις μισθώσεων"), second);
    cbLisis->setObjectName(QStringLiteral("cbLisis"));
    cbAnaprosarmozomena = new QCheckBox(QStringLiteral("αναπροσαρμοζόμενα"), second);
    cbAnaprosarmozomena->setObjectName(QStringLiteral("cbAnaprosarmozomena"));
    // "Λήξη Μίσθωσης :" heads the two dates, as "Μισθώσεις του .. :" heads the first filter.
    secondGrid->addWidget(new QLabel(QStringLiteral("Λήξη Μίσθωσης :"), second), 0, 0, 1, 2);
    secondGrid->addWidget(new QLabel(QStringLiteral("από :"), second), 1, 0, Qt::AlignRight);
    secondGrid->addWidget(edFilterDateApo, 1, 1);
    secondGrid->addWidget(new QLabel(QStringLiteral("εως :"), second), 2, 0, Qt::AlignRight);
    secondGrid->addWidget(edFilterDateEos, 2, 1);
    secondGrid->addWidget(cbLisis, 3, 0, 1, 2);
    secondGrid->addWidget(cbAnaprosarmozomena, 4, 0, 1, 2);

    QGroupBox* third = row(QStringLiteral("3ο Φίλτρο"), this);
    auto* thirdGrid = static_cast<QGridLayout*>(third->layout());
    edFilterArDil = field(QStringLiteral("edFilterArDil"));
    edFilterATAK = field(QStringLiteral("edFilterATAK"));
    // Numbers, not names: a tax number, a declaration number, a property's code.
    edFilterAFM->setProperty("usualText", QStringLiteral("000000000"));
    edFilterArDil->setProperty("usualText", QStringLiteral("00000000"));
    edFilterATAK->setProperty("usualText", QStringLiteral("00000000000"));
    edFilterAddress = field(QStringLiteral("edFilterAddress"));
    thirdGrid->addWidget(new QLabel(QStringLiteral("Αρ. Δήλωσης : "), third), 0, 0);
    thirdGrid->addWidget(edFilterArDil, 0, 1);
    thirdGrid->addWidget(magnifier(QuickSearchKind::Number), 0, 2);
    thirdGrid->addWidget(new QLabel(QStringLiteral("A.T.AK. :"), third), 1, 0);
    thirdGrid->addWidget(edFilterATAK, 1, 1);
    thirdGrid->addWidget(new QLabel(QStringLiteral("Δ/νση :"), third), 2, 0);
    thirdGrid->addWidget(edFilterAddress, 2, 1);

    imFilter = new QLabel(this);
    imFilter->setObjectName(QStringLiteral("imFilter"));
    imFilter->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32, 32));
    imFilter->setCursor(Qt::PointingHandCursor);
    imFilter->installEventFilter(this);
    auto* filterCaption =
        new QLabel(QStringLiteral("Πατήστε για εμφάνιση\nμε βάση τα φίλτρα"), this);
    // The filter button beside the stage choice, so that the three filters have the
    // panel's width for their boxes.
    auto* filterBox = new QHBoxLayout;
    filterBox->addWidget(imFilter);
    filterBox->addWidget(filterCaption);
    stageLine->addSpacing(12);
    stageLine->addLayout(filterBox);

    auto* rows = new QHBoxLayout;
    rows->addWidget(first, 3);
    rows->addWidget(second, 2);
    rows->addWidget(third, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stageLine);
    layout->addLayout(rows);

    for (QWidget* control : QList<QWidget*>{
             cbStadioDilosis, edFilterName, edFilterAFM, edFilterDateApo, edFilterDateEos, cbLisis,
             cbAnaprosarmozomena, edFilterArDil, edFilterATAK, edFilterAddress})
        control->installEventFilter(this);
}

QWidget* FilterPanel::magnifier(QuickSearchKind kind) {
    auto* button = new QToolButton(this);
    button->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    button->setToolTip(QStringLiteral("Αναζήτηση"));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, kind] {
        if (onQuickSearch)
            onQuickSearch(kind);
    });
    return button;
}

void FilterPanel::normaliseDates() {
    edFilterDateApo->normalise();
    edFilterDateEos->normalise();
}

FilterCriteria FilterPanel::criteria() const {
    FilterCriteria c;
    c.stage = stageChoiceOf(cbStadioDilosis->currentIndex()).value_or(StageChoice::Unchosen);
    c.name = edFilterName->text();
    c.afm = edFilterAFM->text();
    c.dateFrom = edFilterDateApo->dateText();
    c.dateTo = edFilterDateEos->dateText();
    c.withTerminations = cbLisis->isChecked();
    c.adjustable = cbAnaprosarmozomena->isChecked();
    c.declarationNumber = edFilterArDil->text();
    c.atak = edFilterATAK->text();
    c.address = edFilterAddress->text();
    return c;
}

void FilterPanel::showCriteria(const FilterCriteria& c) {
    cbStadioDilosis->setCurrentIndex(itemOf(c.stage));
    edFilterName->setText(c.name);
    edFilterAFM->setText(c.afm);
    edFilterDateApo->setDateText(c.dateFrom);
    edFilterDateEos->setDateText(c.dateTo);
    cbLisis->setChecked(c.withTerminations);
    edFilterArDil->setText(c.declarationNumber);
    edFilterATAK->setText(c.atak);
    edFilterAddress->setText(c.address);
}

QString FilterPanel::quickSearchText(QuickSearchKind kind) const {
    switch (kind) {
    case QuickSearchKind::Number:
        return edFilterArDil->text();
    case QuickSearchKind::Name:
        return edFilterName->text();
    case QuickSearchKind::TaxNumber:
        return edFilterAFM->text();
    }
    return QString();
}

bool FilterPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imFilter && event->type() == QEvent::MouseButtonRelease) {
        if (onFilter)
            onFilter();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QGroupBox::eventFilter(watched, event);
    // Enter is swallowed in every filter control; three fields first run their search.
    std::optional<QuickSearchKind> kind;
    if (watched == edFilterArDil)
        kind = QuickSearchKind::Number;
    else if (watched == edFilterName)
        kind = QuickSearchKind::Name;
    else if (watched == edFilterAFM)
        kind = QuickSearchKind::TaxNumber;
    if (kind && onQuickSearch)
        onQuickSearch(*kind);
    return true;
}
