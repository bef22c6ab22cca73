#include "updates/TfiNewVer.h"
#include "updates/TwoPanelStatusBar.h"
#include "updates/Updates.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfiNewVer::TfiNewVer(QWidget* parent)
    : QDialog(parent, Qt::Tool), pbInfo(new QProgressBar(this)),
      sbInfo(new TwoPanelStatusBar(this)),
      btUpdate(new QPushButton(QStringLiteral("Ενημέρωση Εφαρμογής"), this)),
      btExit(new QPushButton(QStringLiteral("Έξοδος    "), this)), m_progress(pbInfo, sbInfo) {
    setObjectName(QStringLiteral("fiNewVer"));
    setWindowTitle(QStringLiteral("Έλεγχος για νέα έκδοση της εφαρμογής"));
    pbInfo->setObjectName(QStringLiteral("pbInfo"));
    sbInfo->setObjectName(QStringLiteral("sbInfo"));
    btUpdate->setObjectName(QStringLiteral("btUpdate"));
    btExit->setObjectName(QStringLiteral("btExit"));

    auto* text =
        new QLabel(QStringLiteral("Για να μπορέσετε να ενημερωθείτε με τη νέα έκδοση της "
                                  "εφαρμογής πρέπει απαραιτήτως να συνδεθείτε στο internet"),
                   this);
    text->setWordWrap(true);
    pbInfo->setRange(0, 100);
    pbInfo->setValue(0);
    btUpdate->setAutoDefault(false);
    btExit->setAutoDefault(false);
    connect(btUpdate, &QPushButton::clicked, this, [this] { btUpdateClick(); });
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btUpdate);
    buttons->addWidget(btExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(pbInfo);
    layout->addLayout(buttons);
    layout->addWidget(sbInfo);
    setMinimumWidth(480);
}

void TfiNewVer::btUpdateClick() {
    btUpdate->setEnabled(false);
    CheckForNewVersion(true);
    btUpdate->setEnabled(true);
}
