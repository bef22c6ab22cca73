#include "operators/TfiUsers.h"
#include "common/Confirmable.h"
#include "common/DialogRunner.h"
#include "common/ErrorReport.h"
#include "operators/CurrentOperator.h"
#include "operators/OperatorLogic.h"
#include "operators/Rights.h"
#include "operators/TfiSelectUser.h"
#include "operators/TfiUserRights.h"
#include "store/CursorGrid.h"
#include "store/TdmTables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QPushButton* plainButton(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TfiUsers::TfiUsers(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiUsers"));
    setWindowTitle(QStringLiteral("Διαχείριση Χειριστών"));
    TdmTables& dm = dmTables();

    auto* left = new QGroupBox(QStringLiteral("Ενεργοί Χειριστές"), this);
    dbUsers = new QTableView(left);
    bindGrid(dbUsers, &dm.tblUsers,
             {{QStringLiteral("UserName"), QStringLiteral("Όνομα Χειριστή")}});
    btInsert = plainButton(QStringLiteral("Εισαγωγή Χειριστή"), left);
    btModify = plainButton(QStringLiteral("Μεταβολή Χειριστή"), left);
    btDelete = plainButton(QStringLiteral("Διαγραφή Χειριστή"), left);
    auto* leftButtons = new QHBoxLayout;
    for (QPushButton* b : {btInsert, btModify, btDelete})
        leftButtons->addWidget(b);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->addWidget(dbUsers);
    leftLayout->addLayout(leftButtons);

    auto* right = new QGroupBox(QStringLiteral("Ενεργές Εταιρείες Χειριστή"), this);
    dbComps = new QTableView(right);
    bindGrid(dbComps, &dm.tblComps,
             {{QStringLiteral("AFM"), QStringLiteral("Α.Φ.Μ.")},
              {QStringLiteral("CompName"), QStringLiteral("Επωνυμία")}});
    btChangeOperator = plainButton(QStringLiteral("Αλλαγή Χειριστή Εταιρείας"), right);
    btExit = plainButton(QStringLiteral("Έξοδος    "), right);
    auto* rightButtons = new QHBoxLayout;
    rightButtons->addWidget(btChangeOperator);
    rightButtons->addWidget(btExit);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->addWidget(dbComps);
    rightLayout->addLayout(rightButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(left);
    layout->addWidget(right);
    resize(900, 500);

    connect(btInsert, &QPushButton::clicked, this, [this] { btInsertClick(); });
    connect(btModify, &QPushButton::clicked, this, [this] { btModifyClick(); });
    connect(btDelete, &QPushButton::clicked, this, [this] { btDeleteClick(); });
    connect(btChangeOperator, &QPushButton::clicked, this, [this] { btChangeOperatorClick(); });
    connect(btExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(dbUsers, &QTableView::doubleClicked, this, [this] { btModifyClick(); });
    connect(dbComps, &QTableView::doubleClicked, this, [this] { btModifyClick(); });
    connect(&dm.tblUsers, &TableCursor::scrolled, this, [this] { operatorChanged(); });
    operatorChanged();
}

TfiUsers::~TfiUsers() = default;

void TfiUsers::operatorChanged() {
    runGuarded([this] {
        TdmTables& dm = dmTables();
        const QString name =
            dm.tblUsers.isEmpty() ? QString() : dm.tblUsers.text(QStringLiteral("UserName"));
        btDelete->setEnabled(name != adminName());
        dm.tblComps.setFilter(CompanyVisibility::filterForOperator(name));
        dm.tblComps.setFiltered(true);
    });
}

void TfiUsers::btInsertClick() {
    TfiUserRights editor(this);
    runDialog(editor);
}

void TfiUsers::btModifyClick() {
    runGuarded([this] {
        TableCursor& users = dmTables().tblUsers;
        if (users.isEmpty())
            return;
        TfiUserRights editor(this);
        // Only a hash of the password is kept, so the editor starts with an empty password
        // field: saving sets a password typed there and keeps the stored one otherwise.
        editor.showOperator(users.text(QStringLiteral("UserName")), QString(),
                            users.text(QStringLiteral("Rights")));
        runDialog(editor);
    });
}

void TfiUsers::btDeleteClick() {
    runGuarded([] { runAskingFirst(OperatorAdmin::deleteCurrentOperator); });
}

void TfiUsers::btChangeOperatorClick() {
    runGuarded([this] {
        TdmTables& dm = dmTables();
        if (dm.tblComps.isEmpty())
            return;
        dm.tblSelectUsers.open();
        struct CloseAfter {
            ~CloseAfter() { dmTables().tblSelectUsers.close(); }
        } closeAfter;
        TfiSelectUser chooser(this);
        if (runDialog(chooser) == QDialog::Accepted && !dm.tblSelectUsers.isEmpty())
            OperatorAdmin::assignCurrentCompany(dm.tblSelectUsers.text(QStringLiteral("UserName")));
    });
}

void ShowOperatorsManagement(QWidget* parent) {
    TdmTables& dm = dmTables();
    dm.EnsureUsersTable();
    dm.EnsureSharedTables();
    dm.tblUsers.open();
    struct CloseAfter {
        ~CloseAfter() {
            TdmTables& d = dmTables();
            d.tblComps.close();
            d.tblComps.setFiltered(false);
            d.tblComps.setFilter(QString());
            d.tblUsers.close();
        }
    } closeAfter;
    dm.tblComps.open();
    TfiUsers window(parent);
    runDialog(window);
}
