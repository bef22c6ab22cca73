#include "operators/TfiNewPass.h"
#include "common/EntryWidth.h"
#include "common/ErrorReport.h"
#include "common/FieldKeys.h"
#include "operators/OperatorLogic.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfiNewPass::TfiNewPass(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiNewPass"));
    setWindowTitle(QStringLiteral("Αλλαγή Password"));
    edPass1 = new QLineEdit(this);
    edPass1->setObjectName(QStringLiteral("edPass1"));
    edPass2 = new QLineEdit(this);
    edPass2->setObjectName(QStringLiteral("edPass2"));
    for (QLineEdit* e : {edPass1, edPass2}) {
        e->setMaxLength(15);
        e->setEchoMode(QLineEdit::Password);
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Πληκτρολογείστε το νέο σας password :"), edPass1);
    form->addRow(QStringLiteral("Επιβεβαιώστε το νέο σας password :"), edPass2);

    btSave = new QPushButton(QStringLiteral("Αποθήκευση Password"), this);
    btExit = new QPushButton(QStringLiteral("Έξοδος    "), this);
    connect(btSave, &QPushButton::clicked, this, [this] { btSaveClick(); });
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btSave);
    buttons->addWidget(btExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    EntryWidth::fitBoxes(*this);
    new FieldKeys(this, {edPass1, edPass2});
}

void TfiNewPass::btSaveClick() {
    runGuarded([this] {
        switch (PasswordChange::save(edPass1->text(), edPass2->text())) {
        case PasswordChange::Outcome::Saved:
            accept();
            break;
        case PasswordChange::Outcome::Differ:
            edPass1->clear();
            edPass2->clear();
            edPass1->setFocus();
            break;
        case PasswordChange::Outcome::Empty:
        case PasswordChange::Outcome::NoOperator:
            break;
        }
    });
}
