#include "updates/TfiNoConnection.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "updates/StartupCheck.h"
#include "updates/TwoPanelStatusBar.h"
#include "updates/UpdateTexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfiNoConnection::TfiNoConnection(QWidget* parent)
    : QDialog(parent), lbWait(new QLabel(QStringLiteral("Παρακαλώ περιμένετε ..."), this)),
      pbInfo(new QProgressBar(this)), sbInfo(new TwoPanelStatusBar(this)),
      lbNotCheck(new QLabel(UpdateTexts::kNoConnectionNotice, this)),
      cbNotCheck(new QCheckBox(UpdateTexts::kSwitchOffChoice, this)),
      btContinue(new QPushButton(QStringLiteral("Συνέχεια"), this)), m_progress(pbInfo, sbInfo) {
    setObjectName(QStringLiteral("fiNoConnection"));
    setWindowTitle(QStringLiteral("Ελεγχος νέων εκδόσεων "));
    lbWait->setObjectName(QStringLiteral("lbWait"));
    pbInfo->setObjectName(QStringLiteral("pbInfo"));
    sbInfo->setObjectName(QStringLiteral("sbInfo"));
    lbNotCheck->setObjectName(QStringLiteral("lbNotCheck"));
    cbNotCheck->setObjectName(QStringLiteral("cbNotCheck"));
    btContinue->setObjectName(QStringLiteral("btContinue"));

    auto* title = new QLabel(QStringLiteral("LETHORA"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 8);
    title->setFont(titleFont);

    pbInfo->setRange(0, 100);
    pbInfo->setValue(0);
    lbNotCheck->setWordWrap(true);
    lbNotCheck->hide();
    cbNotCheck->hide();
    btContinue->hide();
    connect(btContinue, &QPushButton::clicked, this, [this] { btContinueClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(lbWait);
    layout->addWidget(lbNotCheck);
    layout->addWidget(cbNotCheck);
    layout->addWidget(btContinue, 0, Qt::AlignRight);
    layout->addWidget(pbInfo);
    layout->addWidget(sbInfo);
    setMinimumWidth(460);
}

void TfiNoConnection::turnIntoNotice() {
    hide();
    lbWait->hide();
    lbNotCheck->show();
    cbNotCheck->show();
    btContinue->show();
}

void TfiNoConnection::btContinueClick() {
    if (cbNotCheck->isChecked())
        runGuarded([] {
            showMessage(UpdateTexts::kSwitchedOffMessage);
            StartupCheck::switchOff();
        });
    accept();
}
