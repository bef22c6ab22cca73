#include "companies/TfiCreateComp.h"
#include "common/ErrorReport.h"
#include "common/FieldKeys.h"
#include "common/WaitCursor.h"
#include "companies/CompanyRegister.h"
#include "companies/TEditAFM.h"
#include "store/TdmTables.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfiCreateComp::TfiCreateComp(Mode mode, QWidget* parent) : QDialog(parent), m_mode(mode) {
    setObjectName(QStringLiteral("fiCreateComp"));
    const bool creating = mode == Mode::Create;
    setWindowTitle(creating ? QStringLiteral("Νέος Ιδιοκτήτης Ακίνητης Περιουσίας")
                            : QStringLiteral("Μετονομασία Εταιρείας"));
    edAfm = new TEditAFM(this);
    edAfm->setObjectName(QStringLiteral("edAfm"));
    edAfm->setMaxLength(12);
    edCompName = new QLineEdit(this);
    edCompName->setObjectName(QStringLiteral("edCompName"));
    edCompName->setMaxLength(100);
    edCompName->setMinimumWidth(420);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Α.Φ.Μ. Ιδιοκτήτη :"), edAfm);
    form->addRow(QStringLiteral("Επωνυμο/ία Ιδιοκτήτη :"), edCompName);

    btCreate = new QPushButton(creating ? QStringLiteral("Αποθήκευση Νέου Ιδιοκτήτη")
                                        : QStringLiteral("Μετονομασία"),
                               this);
    btCreate->setObjectName(QStringLiteral("btCreate"));
    btExit = new QPushButton(QStringLiteral("Έξοδος    "), this);
    connect(btCreate, &QPushButton::clicked, this, [this] { btCreateClick(); });
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btCreate);
    buttons->addWidget(btExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    if (!creating) {
        TableCursor& comps = dmTables().tblComps;
        edAfm->setText(comps.text(QStringLiteral("AFM")));
        edAfm->setEnabled(false);
        edCompName->setText(comps.text(QStringLiteral("CompName")));
    }
    auto* keys = new FieldKeys(this, {edAfm, edCompName});
    keys->setIgnoreCtrl(true);
    keys->setOnSave([this] { btCreateClick(); });
    keys->setOnClose([this] { reject(); });
}

void TfiCreateComp::btCreateClick() {
    bool done = false;
    runGuarded([&] {
        WaitCursor hourglass;
        done = m_mode == Mode::Create
                   ? CompanyRegister::create(edAfm->text().trimmed(), edCompName->text())
                   : CompanyRegister::renameCurrent(edCompName->text());
    });
    if (done)
        accept();
}
