#include "app/TfiEditorial.h"
#include "common/HttpGet.h"
#include "common/Settings.h"
#include "common/WorkFolder.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const int kPageTimeoutMs = 2000;
}

TfiEditorial::TfiEditorial(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiEditorial"));
    setWindowTitle(QStringLiteral("Lethora"));
    wbPage = new QTextBrowser(this);
    wbPage->setOpenExternalLinks(true);
    const QString address = ServiceAddresses::editorialPage();
    const HttpReply page = httpGet(address, kPageTimeoutMs);
    if (page.ok)
        wbPage->setHtml(QString::fromUtf8(page.body));
    else
        wbPage->setHtml(QStringLiteral("<p><a href=\"") + address.toHtmlEscaped() +
                        QStringLiteral("\">") + address.toHtmlEscaped() +
                        QStringLiteral("</a></p>"));
    cbNotAgain = new QCheckBox(QStringLiteral("Να μην εμφανιστεί ξανά αυτό το μήνυμα"), this);
    auto* exit = new QPushButton(QStringLiteral("Έξοδος"), this);
    connect(exit, &QPushButton::clicked, this, [this] { btExitClick(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cbNotAgain);
    bottom->addStretch();
    bottom->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wbPage);
    layout->addLayout(bottom);
    resize(800, 600);
}

void TfiEditorial::btExitClick() {
    if (cbNotAgain->isChecked())
        QFile::remove(WorkFolder::path(QStringLiteral("editorial.ini")));
    accept();
}
