#include "workspace-window/DeclarationDetails.h"
#include "common/AmountText.h"
#include "store/TdmTables.h"
#include "workspace-window/TickPicture.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(80);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* orangeStrip(const QString& text, QWidget* parent) {
    auto* strip = new QPushButton(text, parent);
    strip->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(255, 140, 0); color: white; "
                       "font-weight: bold; border: none; padding: 2px 6px; }"));
    strip->setFocusPolicy(Qt::NoFocus);
    // Hidden, it keeps its place, so that the property's fields do not move when it shows.
    QSizePolicy policy = strip->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    strip->setSizePolicy(policy);
    strip->hide();
    return strip;
}

TdmTables& dm() {
    return dmTables();
}

QString textOf(TableCursor& cursor, const QString& field) {
    return cursor.isOpen() && !cursor.isEmpty() ? cursor.text(field) : QString();
}
} // namespace

DeclarationDetails::DeclarationDetails(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnDetails"));
    auto* lease = new QGroupBox(QStringLiteral("Διάρκεια και Μίσθωμα Δηλώσεων Ακινήτου"), this);
    auto* leaseGrid = new QGridLayout(lease);
    lbApoArx = valueLabel(lease);
    lbEosArx = valueLabel(lease);
    lbApoTrop = valueLabel(lease);
    lbEosTrop = valueLabel(lease);
    lbMistomaArx = valueLabel(lease);
    lbMistomaTrop = valueLabel(lease);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Διάρκεια Αρχικής Δηλωσης :"), lease), 0, 0);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Από :"), lease), 0, 1);
    leaseGrid->addWidget(lbApoArx, 0, 2);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Έως :"), lease), 0, 3);
    leaseGrid->addWidget(lbEosArx, 0, 4);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Διάρκεια Τροποπ. Δηλωσης :"), lease), 1, 0);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Από :"), lease), 1, 1);
    leaseGrid->addWidget(lbApoTrop, 1, 2);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Έως :"), lease), 1, 3);
    leaseGrid->addWidget(lbEosTrop, 1, 4);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Μίσθωμα Αρχικής Δήλωσης :"), lease), 2, 0);
    leaseGrid->addWidget(lbMistomaArx, 2, 2);
    leaseGrid->addWidget(new QLabel(QStringLiteral("Μίσθωμα Τροποπ. Δήλωσης :"), lease), 3, 0);
    leaseGrid->addWidget(lbMistomaTrop, 3, 2);
    btExelixi = new QToolButton(lease);
    btExelixi->setObjectName(QStringLiteral("btExelixi"));
    btExelixi->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    btExelixi->setToolTip(QStringLiteral("Εξαγωγή  εξέλιξης μισθωτηρίου σε excel"));
    leaseGrid->addWidget(btExelixi, 2, 4, 2, 1);

    auto* terms = new QGroupBox(QStringLiteral("Στοιχεία Μίσθωσης"), this);
    auto* termsGrid = new QGridLayout(terms);
    lbSimfonitikoDate = valueLabel(terms);
    lbEidosTarvenis = valueLabel(terms);
    termsGrid->addWidget(new QLabel(QStringLiteral("Ημ/νία Συμφωνητικού :"), terms), 0, 0);
    termsGrid->addWidget(lbSimfonitikoDate, 0, 1);
    termsGrid->addWidget(new QLabel(QStringLiteral("Είδος Μίσθωσης :"), terms), 1, 0);
    termsGrid->addWidget(lbEidosTarvenis, 1, 1);
    const QStringList checkTexts = {
        QStringLiteral("Επιτρέπεται η υπεκμίσθωση ακινήτου μέσω ηλεκτρονικής πλατφόρμας "),
        QStringLiteral("Το μισθωμα προσδιορίζεται σε είδος ή ποσοστό"),
        QStringLiteral("Απαγορεύεται η υπεκμίσθωση / παραχώρηση "),
        QStringLiteral("Επιτρέπεται στο μισθωτή να συστήνει Ν.Π."), QStringLiteral("Υπεκμίσθωση")};
    for (int n = 0; n < checkTexts.size(); ++n) {
        auto* tick = new TickPicture(terms);
        tick->setObjectName(QStringLiteral("imgDilCheck") + QString::number(n + 1));
        imgDilChecks << tick;
        termsGrid->addWidget(tick, 2 + n, 0, Qt::AlignRight);
        auto* text = new QLabel(checkTexts.at(n), terms);
        text->setWordWrap(true);
        termsGrid->addWidget(text, 2 + n, 1);
    }

    auto* lessees = new QGroupBox(QStringLiteral("Στοιχεία Μισθωτών"), this);
    auto* lesseeGrid = new QGridLayout(lessees);
    lesseeGrid->addWidget(new QLabel(QStringLiteral("ΑΦΜ"), lessees), 0, 0);
    lesseeGrid->addWidget(new QLabel(QStringLiteral("Επώνυμο / Επωνυμία"), lessees), 0, 1);
    for (int n = 0; n < 5; ++n) {
        lbMistAFM << valueLabel(lessees);
        lbMistName << valueLabel(lessees);
        lesseeGrid->addWidget(lbMistAFM.last(), n + 1, 0);
        lesseeGrid->addWidget(lbMistName.last(), n + 1, 1);
    }
    lesseeGrid->setColumnStretch(1, 1);
    btLoad = new QToolButton(lessees);
    btLoad->setObjectName(QStringLiteral("btLoad"));
    btLoad->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    btLoad->setToolTip(QStringLiteral("Συμφωνητικό - Σχολια"));
    lesseeGrid->addWidget(btLoad, 0, 2);

    gbAkinito = new QGroupBox(QStringLiteral("Στοιχεία Ακινήτου"), this);
    gbAkinito->setObjectName(QStringLiteral("gbAkinito"));
    auto* propertyGrid = new QGridLayout;
    const QList<QPair<const char*, const char*>> fields = {{"Eidos", "Είδος :"},
                                                           {"ATAK", "ΑΤΑΚ :"},
                                                           {"KAEK", "KAEK :"},
                                                           {"Odos", "Οδός :"},
                                                           {"Num", "Αριθμός :"},
                                                           {"ZipCode", "Τ.Κ. :"},
                                                           {"Orofos", "Όροφος :"},
                                                           {"Dimos", "Δήμος :"},
                                                           {"Thesi", "Θέση :"},
                                                           {"Nomos", "Νομός :"},
                                                           {"EpifKX", "Επιφάνεια Κ.Χ. :"},
                                                           {"EpifBX", "Επιφάνεια Β.Χ. :"},
                                                           {"EpifOiko", "Επιφ. Οικοπέδου :"},
                                                           {"MonthlyMist", "Αρχικό Μίσθωμα :"},
                                                           {"DEH", "Αρ. Παροχής ΔΕΗ :"},
                                                           {"CertNum", "Ενεργ. Πιστ. :"}};
    edDescr = new QLineEdit(gbAkinito);
    edDescr->setObjectName(QStringLiteral("edDescr"));
    edDescr->setReadOnly(true);
    propertyGrid->addWidget(new QLabel(QStringLiteral("Περιγραφή :"), gbAkinito), 0, 0);
    propertyGrid->addWidget(edDescr, 0, 1, 1, 5);
    for (int i = 0; i < fields.size(); ++i) {
        QLabel* value = valueLabel(gbAkinito);
        m_propertyFields.insert(QString::fromLatin1(fields.at(i).first), value);
        const int rowIndex = 1 + i / 3;
        const int column = (i % 3) * 2;
        propertyGrid->addWidget(new QLabel(QString::fromUtf8(fields.at(i).second), gbAkinito),
                                rowIndex, column);
        propertyGrid->addWidget(value, rowIndex, column + 1);
    }
    btPriorProperty = orangeStrip(QStringLiteral("<<"), gbAkinito);
    btPriorProperty->setObjectName(QStringLiteral("btPriorProperty"));
    btNextProperty = orangeStrip(QStringLiteral(">>"), gbAkinito);
    btNextProperty->setObjectName(QStringLiteral("btNextProperty"));
    connect(btNextProperty, &QPushButton::clicked, this, &DeclarationDetails::nextProperty);
    connect(btPriorProperty, &QPushButton::clicked, this, &DeclarationDetails::priorProperty);
    auto* propertyLayout = new QHBoxLayout(gbAkinito);
    propertyLayout->addWidget(btPriorProperty);
    propertyLayout->addLayout(propertyGrid, 1);
    propertyLayout->addWidget(btNextProperty);

    auto* top = new QHBoxLayout;
    top->addWidget(lease, 1);
    top->addWidget(terms, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(lessees);
    layout->addWidget(gbAkinito);
}

QColor DeclarationDetails::amendmentColour(const QString& kind, const QPalette& palette) {
    if (kind == QStringLiteral("Λύση"))
        return QColor(255, 0, 0);
    if (!kind.isEmpty())
        return QColor(255, 178, 43);
    return palette.color(QPalette::Button);
}

void DeclarationDetails::declarationChanged() {
    TableCursor& mast = dm().tblMistDilMast;
    for (int n = 0; n < 5; ++n) {
        imgDilChecks.at(n)->showValue(
            textOf(mast, QStringLiteral("DilCheck") + QString::number(n + 1)));
        lbMistAFM.at(n)->setText(textOf(mast, QStringLiteral("MistAFM") + QString::number(n + 1)));
        lbMistName.at(n)->setText(
            textOf(mast, QStringLiteral("MistName") + QString::number(n + 1)));
    }
    lbApoArx->setText(textOf(mast, QStringLiteral("MistosiApoDate")));
    lbEosArx->setText(textOf(mast, QStringLiteral("MistosiEosDate")));
    lbMistomaArx->setText(amountText(textOf(mast, QStringLiteral("TotalMistoma"))));
    lbSimfonitikoDate->setText(textOf(mast, QStringLiteral("SimfonitikoDate")));
    lbEidosTarvenis->setText(textOf(mast, QStringLiteral("EidosTarvenis")));
    showPropertyPosition();
}

void DeclarationDetails::amendmentChanged() {
    TableCursor& det = dm().tblMistDilDet;
    lbApoTrop->setText(textOf(det, QStringLiteral("MistosiApoDate")));
    lbEosTrop->setText(textOf(det, QStringLiteral("MistosiEosDate")));
    lbMistomaTrop->setText(amountText(textOf(det, QStringLiteral("TotalMistoma"))));
    m_amendmentColour = amendmentColour(textOf(det, QStringLiteral("EidosDilosis")), palette());
    const QString style = QStringLiteral("color: %1;").arg(m_amendmentColour.name());
    for (QLabel* label : {lbApoTrop, lbEosTrop, lbMistomaTrop})
        label->setStyleSheet(style);
    Q_EMIT amendmentColourChanged(m_amendmentColour);
}

void DeclarationDetails::propertyChanged() {
    TableCursor& akinita = dm().tblMistDilAkinita;
    for (auto it = m_propertyFields.cbegin(); it != m_propertyFields.cend(); ++it) {
        const QString value = textOf(akinita, it.key());
        it.value()->setText(it.key() == QLatin1String("MonthlyMist") ? amountText(value) : value);
    }
    const QString description = textOf(akinita, QStringLiteral("Descr"));
    edDescr->setText(description);
    edDescr->setCursorPosition(0);
    edDescr->setToolTip(description);
    showPropertyPosition();
}

void DeclarationDetails::showPropertyPosition() {
    TableCursor& akinita = dm().tblMistDilAkinita;
    const int count = akinita.isOpen() ? akinita.recordCount() : 0;
    const int position = count > 0 ? akinita.position() + 1 : 1;
    btPriorProperty->setVisible(position > 1);
    btNextProperty->setVisible(position < count);
    gbAkinito->setTitle(QStringLiteral("Στοιχεία Ακινήτου ( ") + QString::number(position) +
                        QStringLiteral(" / ") + QString::number(count) + QStringLiteral(" )"));
}

void DeclarationDetails::nextProperty() {
    dm().tblMistDilAkinita.next();
    showPropertyPosition();
}

void DeclarationDetails::priorProperty() {
    dm().tblMistDilAkinita.prior();
    showPropertyPosition();
}
