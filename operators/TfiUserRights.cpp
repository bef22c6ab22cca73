#include "operators/TfiUserRights.h"
#include "common/Confirmable.h"
#include "common/ErrorReport.h"
#include "common/FieldKeys.h"
#include "operators/OperatorLogic.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfiUserRights::TfiUserRights(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiUserRights"));
    setWindowTitle(QStringLiteral("Χαρακτηριστικά Χρήστη"));
    edUserName = new QLineEdit(this);
    edUserName->setObjectName(QStringLiteral("edUserName"));
    edUserPass = new QLineEdit(this);
    edUserPass->setObjectName(QStringLiteral("edUserPass"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Όνομα Χρήστη :"), edUserName);
    form->addRow(QStringLiteral("Κωδικός Χρήστη :"), edUserPass);

    auto* group = new QGroupBox(QStringLiteral("Επίπεδο Χρήστη"), this);
    group->setObjectName(QStringLiteral("rgRights"));
    auto* groupLayout = new QVBoxLayout(group);
    rgRights = new QButtonGroup(this);
    const QStringList items = {
        QStringLiteral("Ανώτερο (επιτρέπει όλες τις εργασίες)"),
        QStringLiteral("Μέσο (επιτρέπει όλες τις εργασίες εκτός από διαγραφές)"),
        QStringLiteral("Κατώτερο (επιτρέπει μόνο εμφάνιση - περιήγηση)")};
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items.at(i), group);
        rgRights->addButton(item, i);
        groupLayout->addWidget(item);
    }
    rgRights->button(2)->setChecked(true);

    btSave = new QPushButton(QStringLiteral("Αποθήκευση Χαρακτηριστκών Χρήστη"), this);
    btExit = new QPushButton(QStringLiteral("Έξοδος    "), this);
    connect(btSave, &QPushButton::clicked, this, [this] { btSaveClick(); });
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btSave);
    buttons->addWidget(btExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addLayout(buttons);

    auto* keys = new FieldKeys(this, {edUserName, edUserPass});
    keys->setIgnoreCtrl(true);
    keys->setOnSave([this] { btSaveClick(); });
    keys->setOnClose([this] { reject(); });
}

void TfiUserRights::showOperator(const QString& userName, const QString& password,
                                 const QString& rights) {
    edUserName->setText(userName);
    edUserName->setReadOnly(true);
    QPalette look = edUserName->palette();
    look.setColor(QPalette::Base, look.color(QPalette::Button));
    edUserName->setPalette(look);
    edUserPass->setText(password);
    edUserPass->setPlaceholderText(kKeepsPasswordHint);
    rgRights->button(OperatorAdmin::itemOfLetter(rights))->setChecked(true);
}

int TfiUserRights::levelItem() const {
    return rgRights->checkedId();
}

void TfiUserRights::btSaveClick() {
    bool saved = false;
    runGuarded([&] {
        saved = runAskingFirst([this](Consent overwrite) {
            return OperatorAdmin::saveOperator(edUserName->text(), edUserPass->text(), levelItem(),
                                               overwrite);
        });
    });
    if (saved)
        accept();
}
