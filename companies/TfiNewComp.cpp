#include "companies/TfiNewComp.h"
#include "common/ErrorReport.h"
#include "common/FieldKeys.h"
#include "common/Messages.h"
#include "companies/CompanyFields.h"
#include "companies/CompanyTexts.h"
#include "companies/TEditAFM.h"
#include "operators/Rights.h"
#include "store/CursorGuard.h"
#include "store/TdmTables.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QLineEdit* box(QWidget* parent, const QString& name, int maxLength, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    e->setMinimumWidth(width);
    return e;
}
} // namespace

TfiNewComp::TfiNewComp(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fiNewComp"));
    setWindowTitle(QStringLiteral("Καταχώριση στοιχείων Εταιρείας"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* bar = new QToolBar(this);
    miSave = bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                            QStringLiteral("Αποθήκευση"));
    miSave->setObjectName(QStringLiteral("miSave"));
    connect(miSave, &QAction::triggered, this, [this] { miSaveClick(); });
    miClose = bar->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton),
                             QStringLiteral("Κλείσιμο"));
    miClose->setObjectName(QStringLiteral("miClose"));
    connect(miClose, &QAction::triggered, this, [this] {
        // Inside the main window the frame closes, and it closes the editor with it.
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
    });
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* pages = new QTabWidget(this);
    auto* scroller = new QScrollArea(pages);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget(scroller);
    scroller->setWidget(page);
    pages->addTab(scroller, QStringLiteral("Στοιχεία Ιδιοκτήτη Ακίνητης Περιουσίας"));

    auto* general = new QGroupBox(QStringLiteral("Γενικά Στοιχεία Εταιρείας"), page);
    edAFM = new TEditAFM(general);
    edAFM->setObjectName(QStringLiteral("edAFM"));
    edAFM->setMaxLength(12);
    edAFM->setMaximumWidth(140);
    // The number names the company's folder and register row: it is fixed once created.
    edAFM->setReadOnly(true);
    edBigName = box(general, QStringLiteral("edBigName"), 100, 420);
    edSubmitDoy = box(general, QStringLiteral("edSubmitDoy"), 100, 300);
    edActDescr = box(general, QStringLiteral("edActDescr"), 100, 420);
    edOdos = box(general, QStringLiteral("edOdos"), 100, 300);
    edArithmos = box(general, QStringLiteral("edArithmos"), 20, 80);
    edDhmos = box(general, QStringLiteral("edDhmos"), 100, 300);
    edTK = box(general, QStringLiteral("edTK"), 20, 80);
    edPhone = box(general, QStringLiteral("edPhone"), 100, 200);
    edEmail = box(general, QStringLiteral("edEmail"), 100, 300);
    auto* generalForm = new QFormLayout(general);
    generalForm->addRow(QStringLiteral("Α.Φ.Μ. :"), edAFM);
    generalForm->addRow(QStringLiteral("Επώνυμο /μία :"), edBigName);
    generalForm->addRow(QStringLiteral("ΔΟΥ :"), edSubmitDoy);
    generalForm->addRow(QStringLiteral("Επάγγελμα :"), edActDescr);
    generalForm->addRow(QStringLiteral("Οδός :"), edOdos);
    generalForm->addRow(QStringLiteral("Αριθμός :"), edArithmos);
    generalForm->addRow(QStringLiteral("Πόλη :"), edDhmos);
    generalForm->addRow(QStringLiteral("Τ.Κ. :"), edTK);
    generalForm->addRow(QStringLiteral("Τηλέφωνο :"), edPhone);
    generalForm->addRow(QStringLiteral("Email :"), edEmail);

    auto credentials = [this](QWidget* parentPage, const QString& title, const QString& userName,
                              const QString& password, const QString& picture, QLineEdit** user,
                              QLineEdit** pass, QLabel** eye) {
        auto* group = new QGroupBox(title, parentPage);
        *user = box(group, userName, 50, 240);
        *pass = box(group, password, 50, 240);
        (*pass)->setEchoMode(QLineEdit::Password);
        *eye = new QLabel(group);
        (*eye)->setObjectName(picture);
        (*eye)->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(20, 20));
        (*eye)->setCursor(Qt::PointingHandCursor);
        (*eye)->installEventFilter(this);
        auto* passRow = new QHBoxLayout;
        passRow->addWidget(*pass);
        passRow->addWidget(*eye);
        auto* form = new QFormLayout(group);
        form->addRow(QStringLiteral("Όνομα Χρήστη"), *user);
        form->addRow(QStringLiteral("Κωδικός πρόσβασης"), passRow);
        return group;
    };
    QGroupBox* owner = credentials(page,
                                   QStringLiteral("Στοιχεία πρόσβασης (TaxisNet)  Ιδιοκτήτη "
                                                  "Ακίνητης Περιουσίας Φυσικού ή Νομικού Προσώπου"),
                                   QStringLiteral("edCompUserName"),
                                   QStringLiteral("edCompPassword"), QStringLiteral("imgViewPass1"),
                                   &edCompUserName, &edCompPassword, &imgViewPass1);
    QGroupBox* representative = credentials(
        page,
        QStringLiteral(
            "Στοιχεία πρόσβασης (TaxisNet) Εξουσιοδοτημένου χρήστη  Περίπτωση Νομικού Προσώπου"),
        QStringLiteral("edEkprUserName"), QStringLiteral("edEkprPassword"),
        QStringLiteral("imgViewPass2"), &edEkprUserName, &edEkprPassword, &imgViewPass2);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(general);
    pageLayout->addWidget(owner);
    pageLayout->addWidget(representative);
    pageLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(pages);

    const QList<QLineEdit*> order = boxes();
    setTabOrder(order.first(), order.at(1));
    for (int i = 1; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
    new FieldKeys(this, QList<QWidget*>(order.cbegin(), order.cend()));
}

QList<QLineEdit*> TfiNewComp::boxes() const {
    return {edAFM,          edBigName,      edSubmitDoy,    edActDescr,    edOdos,
            edArithmos,     edDhmos,        edTK,           edPhone,       edEmail,
            edCompUserName, edCompPassword, edEkprUserName, edEkprPassword};
}

void TfiNewComp::fill() {
    const QList<QLineEdit*> order = boxes();
    const QList<CompanyField>& fields = companyFields();
    for (int i = 0; i < fields.size(); ++i)
        order.at(i)->setText(CurrentCompany().*fields.at(i).member);
}

void TfiNewComp::togglePassword(QLineEdit* passwordBox) {
    passwordBox->setEchoMode(passwordBox->echoMode() == QLineEdit::Password ? QLineEdit::Normal
                                                                            : QLineEdit::Password);
}

bool TfiNewComp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == imgViewPass1)
            togglePassword(edCompPassword);
        else if (watched == imgViewPass2)
            togglePassword(edEkprPassword);
    }
    return QWidget::eventFilter(watched, event);
}

void TfiNewComp::miSaveClick() {
    runGuarded([this] {
        if (!Rights::check(Rights::kNoDeletes))
            return;
        CompanyRecord& company = CurrentCompany();
        const QList<QLineEdit*> order = boxes();
        const QList<CompanyField>& fields = companyFields();
        for (int i = 0; i < fields.size(); ++i)
            company.*fields.at(i).member = order.at(i)->text().left(fields.at(i).width);
        if (company.AFM.isEmpty()) {
            showMessage(CompanyTexts::kSaveNoAfm);
            return;
        }
        if (company.BigName.isEmpty()) {
            showMessage(CompanyTexts::kSaveNoName);
            return;
        }
        TableCursor& edra = dmTables().tblEdra;
        edra.open();
        CloseAfter close(edra);
        if (edra.findKey({company.AFM}))
            edra.edit();
        else
            edra.insert();
        StoreCurrentCompany();
        edra.post();
        showMessage(CompanyTexts::kSaved);
    });
}

void TfiNewComp::closeEvent(QCloseEvent* event) {
    runGuarded([] {
        TableCursor& edra = dmTables().tblEdra;
        const QString afm = CurrentCompany().AFM;
        edra.open();
        CloseAfter close(edra);
        if (!edra.findKey({afm}))
            edra.first();
        LoadCurrentCompany();
        if (CurrentCompany().AFM.isEmpty())
            CurrentCompany().AFM = afm;
    });
    event->accept();
    if (m_onClosed)
        m_onClosed();
}
