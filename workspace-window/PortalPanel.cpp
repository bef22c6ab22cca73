#include "workspace-window/PortalPanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
QLabel* count(QWidget* parent, const QString& name) {
    auto* label = new QLabel(QStringLiteral("?"), parent);
    label->setObjectName(name);
    label->setMinimumWidth(50);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}
} // namespace

PortalPanel::PortalPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Ενημέρωση από ΑΑΔΕ"), parent) {
    setObjectName(QStringLiteral("gbPortal"));
    auto* login = new QGroupBox(QStringLiteral("Στοιχεία εισόδου στην ΑΑΔΕ"), this);
    edUserName = new QLineEdit(login);
    edUserName->setObjectName(QStringLiteral("edUserName"));
    edUserName->setMaxLength(50);
    edPassword = new QLineEdit(login);
    edPassword->setObjectName(QStringLiteral("edPassword"));
    edPassword->setMaxLength(50);
    edPassword->setEchoMode(QLineEdit::Password);
    // The platform's user names and passwords: Latin letters and digits.
    for (QLineEdit* box : {edUserName, edPassword})
        box->setProperty("usualText", QStringLiteral("logistis.office1"));
    imgViewPass1 = new QLabel(login);
    imgViewPass1->setObjectName(QStringLiteral("imgViewPass1"));
    imgViewPass1->setPixmap(
        style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(18, 18));
    imgViewPass1->setCursor(Qt::PointingHandCursor);
    imgViewPass1->installEventFilter(this);
    cbSetLoginWithEkpr = new QCheckBox(
        QStringLiteral(
            "Τα στοιχεία εισόδου στην ΑΑΔΕ είναι\nεξουσιοδοτημένου χρήστη της εταιρείας"),
        login);
    cbSetLoginWithEkpr->setObjectName(QStringLiteral("cbSetLoginWithEkpr"));
    sbConnectAADE = new QPushButton(QStringLiteral("Σύνδεση στην ΑΑΔΕ"), login);
    sbConnectAADE->setObjectName(QStringLiteral("sbConnectAADE"));
    auto* passwordLine = new QHBoxLayout;
    passwordLine->addWidget(edPassword);
    passwordLine->addWidget(imgViewPass1);
    auto* loginForm = new QFormLayout;
    loginForm->addRow(QStringLiteral("UserName"), edUserName);
    loginForm->addRow(QStringLiteral("Password"), passwordLine);
    auto* loginLayout = new QVBoxLayout(login);
    loginLayout->addLayout(loginForm);
    loginLayout->addWidget(cbSetLoginWithEkpr);
    loginLayout->addWidget(sbConnectAADE);

    sbGetTaxisDils = new QPushButton(QStringLiteral("Έλεγχος Δεδομένων"), this);
    sbGetTaxisDils->setObjectName(QStringLiteral("sbGetTaxisDils"));
    sbgetSavedDils = new QPushButton(this);
    sbgetSavedDils->setObjectName(QStringLiteral("sbgetSavedDils"));
    sbgetSavedDils->hide();

    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel(QStringLiteral("Α.Α.Δ.Ε.:"), this), 0, 1);
    counts->addWidget(new QLabel(QStringLiteral("ΕΦΑΡΜΟΓΗ :"), this), 0, 2);
    counts->addWidget(new QLabel(QStringLiteral("Αρχικές Δηλώσεις .............. :"), this), 1, 0);
    counts->addWidget(new QLabel(QStringLiteral("Τροποποιητικές Δηλώσεις :"), this), 2, 0);
    lbTaxisArxDils = count(this, QStringLiteral("lbTaxisArxDils"));
    lbTaxisTropDils = count(this, QStringLiteral("lbTaxisTropDils"));
    lbSavedArxDils = count(this, QStringLiteral("lbSavedArxDils"));
    lbSavedTropDils = count(this, QStringLiteral("lbSavedTropDils"));
    counts->addWidget(lbTaxisArxDils, 1, 1);
    counts->addWidget(lbTaxisTropDils, 2, 1);
    counts->addWidget(lbSavedArxDils, 1, 2);
    counts->addWidget(lbSavedTropDils, 2, 2);
    ggTaxisDils = new QProgressBar(this);
    ggTaxisDils->setObjectName(QStringLiteral("ggTaxisDils"));
    ggSavedDils = new QProgressBar(this);
    ggSavedDils->setObjectName(QStringLiteral("ggSavedDils"));
    for (QProgressBar* bar : {ggTaxisDils, ggSavedDils}) {
        bar->setRange(0, 100);
        bar->setMaximumHeight(14);
        bar->setTextVisible(false);
    }
    counts->addWidget(ggTaxisDils, 3, 1);
    counts->addWidget(ggSavedDils, 3, 2);

    pnInsertNewDils = new QWidget(this);
    pnInsertNewDils->setObjectName(QStringLiteral("pnInsertNewDils"));
    // The notice's place is kept while it is hidden, so that nothing below it moves.
    QSizePolicy noticePolicy = pnInsertNewDils->sizePolicy();
    noticePolicy.setRetainSizeWhenHidden(true);
    pnInsertNewDils->setSizePolicy(noticePolicy);
    imNotMoreDil = new QLabel(pnInsertNewDils);
    imNotMoreDil->setObjectName(QStringLiteral("imNotMoreDil"));
    imNotMoreDil->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(20, 20));
    lbInsertNewDils = new QLabel(pnInsertNewDils);
    lbInsertNewDils->setObjectName(QStringLiteral("lbInsertNewDils"));
    lbInsertNewDils->setWordWrap(true);
    sbInsertNewDils =
        new QLabel(QStringLiteral("<a href=\"#\">Πατήστε για προσθήκη</a>"), pnInsertNewDils);
    sbInsertNewDils->setObjectName(QStringLiteral("sbInsertNewDils"));
    auto* notice = new QHBoxLayout(pnInsertNewDils);
    notice->setContentsMargins(0, 0, 0, 0);
    notice->addWidget(imNotMoreDil);
    notice->addWidget(lbInsertNewDils, 1);
    notice->addWidget(sbInsertNewDils);

    auto* right = new QVBoxLayout;
    right->addWidget(sbGetTaxisDils);
    right->addLayout(counts);
    right->addWidget(pnInsertNewDils);
    right->addStretch();
    // The counts below the login rather than beside it: the filters beside this panel
    // need the width for their boxes.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(login);
    layout->addLayout(right, 1);
    resetPlatformCounts();
}

void PortalPanel::resetPlatformCounts() {
    lbTaxisArxDils->setText(QStringLiteral("?"));
    lbTaxisTropDils->setText(QStringLiteral("?"));
    ggTaxisDils->setValue(0);
    sbGetTaxisDils->show();
    imNotMoreDil->hide();
    pnInsertNewDils->hide();
}

void PortalPanel::togglePassword() {
    edPassword->setEchoMode(edPassword->echoMode() == QLineEdit::Password ? QLineEdit::Normal
                                                                          : QLineEdit::Password);
}

bool PortalPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgViewPass1 && event->type() == QEvent::MouseButtonRelease) {
        togglePassword();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}
