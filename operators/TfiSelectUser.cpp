#include "operators/TfiSelectUser.h"
#include "store/CursorGrid.h"
#include "store/TdmTables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfiSelectUser::TfiSelectUser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiSelectUser"));
    setWindowTitle(QStringLiteral("Επιλογή Χειριστή Εταιρείας"));
    auto* group = new QGroupBox(QStringLiteral("Διαθέσιμοι Χειριστές"), this);
    dbUsers = new QTableView(group);
    bindGrid(dbUsers, &dmTables().tblSelectUsers,
             {{QStringLiteral("UserName"), QStringLiteral("Όνομα Χειριστή")}});
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(dbUsers);

    btChoose = new QPushButton(QStringLiteral("Επιλογή Χειριστή"), this);
    btChoose->setDefault(true);
    btExit = new QPushButton(QStringLiteral("Έξοδος    "), this);
    connect(btChoose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btChoose);
    buttons->addWidget(btExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}
