#include "operators/TfiGetPass.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "common/FieldKeys.h"
#include "operators/OperatorLogic.h"
#include "operators/TfiNewPass.h"
#include "store/TdmTables.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TfiGetPass::TfiGetPass(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiGetPass"));
    setWindowTitle(QStringLiteral("Στοιχεία Χρήστη για εισαγωγή στην εφαρμογή "));

    auto* title = new QLabel(QStringLiteral("Σύνδεση στην Εφαρμογή"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    title->setFont(titleFont);
    auto* hint =
        new QLabel(QStringLiteral("Πληκτρολογήστε το όνομα του χρήστη και τον κωδικό πρόσβασης ") +
                       QLatin1Char('\n') + QStringLiteral("για να συνδεθείτε στην εφαρμογή."),
                   this);

    edUserName = new QLineEdit(this);
    edUserName->setObjectName(QStringLiteral("edUserName"));
    edPassword = new QLineEdit(this);
    edPassword->setObjectName(QStringLiteral("edPassword"));
    edPassword->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Όνομα χρήστη :"), edUserName);
    form->addRow(QStringLiteral("Κωδικός πρόσβασης :"), edPassword);

    btEnter = new QToolButton(this);
    btEnter->setObjectName(QStringLiteral("btEnter"));
    btEnter->setText(QStringLiteral("ΕΙΣΟΔΟΣ"));
    btEnter->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    btEnter->setIconSize(QSize(32, 32));
    btEnter->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    btEnter->setFocusPolicy(Qt::NoFocus);
    connect(btEnter, &QToolButton::clicked, this, [this] { btEnterClick(); });

    mmFirstTime = new QPlainTextEdit(this);
    mmFirstTime->setObjectName(QStringLiteral("mmFirstTime"));
    mmFirstTime->setReadOnly(true);
    mmFirstTime->setPlainText(
        QString() + QLatin1Char('\n') +
        QStringLiteral("Πατήστε \"ΕΙΣΟΔΟΣ\"  για να ορίσετε το password για τον ") +
        QLatin1Char('\n') + QStringLiteral("χρήστη  admin"));
    mmFirstTime->setMaximumHeight(70);
    mmFirstTime->setFocusPolicy(Qt::NoFocus);
    mmFirstTime->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(btEnter, 0, Qt::AlignHCenter);
    layout->addWidget(mmFirstTime);

    auto* keys = new FieldKeys(this, {edUserName, edPassword});
    keys->setFieldCommand(edPassword, [this] { btEnterClick(); });

    m_ready = runGuarded([this] {
        const Login::Preparation start = Login::prepare();
        edUserName->setText(start.proposedName);
        mmFirstTime->setVisible(start.firstTime);
    });
    edPassword->setFocus();
}

void TfiGetPass::btEnterClick() {
    bool loggedIn = false;
    runGuarded([&] {
        loggedIn = Login::attempt(edUserName->text(), edPassword->text(), [this] {
            TfiNewPass newPass(this);
            return runDialog(newPass) == QDialog::Accepted;
        });
    });
    if (loggedIn)
        accept();
}
