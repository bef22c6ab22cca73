// Rights, company visibility and the operators management window.

#include "common/DialogRunner.h"
#include "operators/CurrentOperator.h"
#include "operators/OperatorLogic.h"
#include "operators/Rights.h"
#include "operators/TfiSelectUser.h"
#include "operators/TfiUserRights.h"
#include "operators/TfiUsers.h"
#include "store/CursorGuard.h"
#include "store/TdmTables.h"
#include "tests/operators/StoredPassword.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

class TestOperatorsAdmin : public QObject {
    Q_OBJECT

    void addRow(const QString& table, const QStringList& fields, const QStringList& values) {
        TableCursor c;
        c.setTableName(table);
        c.open();
        c.insert();
        for (int i = 0; i < fields.size(); ++i)
            c.setValue(fields.at(i), values.at(i));
        c.post();
    }
    void addOperator(const QString& name, const QString& rights) {
        addRow(QStringLiteral("Tables\\Users.db"), {"UserName", "Pass", "Rights"},
               {name, "p", rights});
    }
    void addCompany(const QString& afm, const QString& user) {
        addRow(QStringLiteral("Tables\\Comps.db"), {"AFM", "CompName", "UserName"},
               {afm, "Εταιρεία " + afm, user});
    }
    QStringList visibleCompanies(const QString& filter) {
        TableCursor comps;
        comps.setTableName(QStringLiteral("Tables\\Comps.db"));
        comps.setFilter(filter);
        comps.setFiltered(!filter.isEmpty());
        comps.open();
        QStringList afms;
        for (comps.first(); !comps.eof(); comps.next())
            afms << comps.text(QStringLiteral("AFM"));
        return afms;
    }
    QString field(const QString& table, const QString& key, const QString& name) {
        TableCursor c;
        c.setTableName(table);
        c.open();
        return c.findKey({key}) ? c.text(name) : QStringLiteral("<none>");
    }

    void deleteOperatorsInTheWindow(TfiUsers* window, RecordingMessages& messages) {
        TdmTables& dm = dmTables();
        QVERIFY2(dm.tblUsers.findKey({QStringLiteral("admin")}), "admin listed");
        QCOMPARE(dm.tblComps.recordCount(), 1);
        QVERIFY(!window->btDelete->isEnabled());
        window->btDeleteClick();
        QCOMPARE(messages.shown, QStringList{OperatorTexts::kAdminNotDeleted});
        QVERIFY(dm.tblUsers.findKey({QStringLiteral("maria")}));
        QCOMPARE(dm.tblComps.recordCount(), 2);
        QVERIFY(window->btDelete->isEnabled());
        messages.queueAnswer(true);
        window->btDeleteClick();
        QCOMPARE(messages.asked, QStringList{OperatorTexts::kDeleteQuestion + "\"maria\""});
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        dmTables().EnsureUsersTable();
        dmTables().EnsureSharedTables();
    }
    void cleanup() {
        rejectUnexpectedDialogs();
        folder.reset();
    }

    void rightsMatrix_data() {
        QTest::addColumn<QString>("rights");
        QTest::addColumn<bool>("create");   // threshold "I"
        QTest::addColumn<bool>("deletion"); // threshold "D"
        QTest::newRow("D") << "D" << true << true;
        QTest::newRow("I") << "I" << true << false;
        QTest::newRow("V") << "V" << false << false;
        QTest::newRow("empty") << "" << true << true;
    }
    void rightsMatrix() {
        QFETCH(QString, rights);
        QFETCH(bool, create);
        QFETCH(bool, deletion);
        CurrentOperator() = {QStringLiteral("x"), QString(), rights};
        RecordingMessages messages;
        QCOMPARE(Rights::check(Rights::kNoDeletes), create);
        QCOMPARE(Rights::check(Rights::kAll), deletion);
        const int refusals = (create ? 0 : 1) + (deletion ? 0 : 1);
        QCOMPARE(messages.shown.size(), refusals);
        for (const QString& shown : messages.shown)
            QCOMPARE(shown, Rights::kNoRightsMessage);
    }

    void companyVisibility() {
        addCompany(QStringLiteral("1"), QStringLiteral("admin"));
        addCompany(QStringLiteral("2"), QStringLiteral("maria"));
        addCompany(QStringLiteral("3"), QStringLiteral("nikos"));
        CurrentOperator() = {QStringLiteral("admin"), QString(), QStringLiteral("D")};
        QCOMPARE(visibleCompanies(CompanyVisibility::filterForOpening()),
                 (QStringList{"1", "2", "3"}));
        QCOMPARE(visibleCompanies(CompanyVisibility::filterForDeleting()),
                 (QStringList{"1", "2", "3"}));
        CurrentOperator() = {QStringLiteral("maria"), QString(), QStringLiteral("I")};
        QCOMPARE(visibleCompanies(CompanyVisibility::filterForOpening()), QStringList{"2"});
        QCOMPARE(visibleCompanies(CompanyVisibility::filterForDeleting()), QStringList{"2"});
        CurrentOperator() = {QStringLiteral("nikos"), QString(), QStringLiteral("V")};
        QCOMPARE(visibleCompanies(CompanyVisibility::filterForOpening()),
                 (QStringList{"1", "2", "3"}));
        QCOMPARE(visibleCompanies(CompanyVisibility::filterForDeleting()), QStringList{"3"});
    }

    void anOperatorNameWithAQuoteIsFilteredExactly() {
        addCompany(QStringLiteral("1"), QStringLiteral("O'Neil"));
        addCompany(QStringLiteral("2"), QStringLiteral("O"));
        CurrentOperator() = {QStringLiteral("O'Neil"), QString(), QStringLiteral("I")};
        QCOMPARE(visibleCompanies(CompanyVisibility::filterForOpening()), QStringList{"1"});
    }

    void theWindowListsTheCompaniesOfTheOperatorInHand() {
        addOperator(QStringLiteral("maria"), QStringLiteral("I"));
        addCompany(QStringLiteral("1"), QStringLiteral("admin"));
        addCompany(QStringLiteral("2"), QStringLiteral("maria"));
        addCompany(QStringLiteral("3"), QStringLiteral("maria"));
        RecordingMessages messages;
        bool checked = false;
        QStringList editedPasswords;
        int listedColumns = 0;
        setDialogRunner([&](QDialog& d) -> int {
            if (auto* editor = qobject_cast<TfiUserRights*>(&d))
                editedPasswords << editor->edUserPass->text();
            if (auto* window = qobject_cast<TfiUsers*>(&d)) {
                // No password is shown, neither in the list nor in the editor.
                listedColumns = window->dbUsers->model()->columnCount();
                dmTables().tblUsers.findKey({QStringLiteral("maria")});
                window->btModifyClick();
                deleteOperatorsInTheWindow(window, messages);
                checked = true;
            }
            return QDialog::Rejected;
        });
        ShowOperatorsManagement(nullptr);
        QVERIFY(checked);
        QCOMPARE(listedColumns, 1);
        QCOMPARE(editedPasswords, QStringList{QString()});
        QVERIFY(!dmTables().tblUsers.isOpen());
        QVERIFY(!dmTables().tblComps.isOpen());
        QVERIFY(!dmTables().tblComps.filtered());
        QCOMPARE(field(QStringLiteral("Tables\\Users.db"), QStringLiteral("maria"),
                       QStringLiteral("Rights")),
                 QStringLiteral("<none>"));
        QCOMPARE(field(QStringLiteral("Tables\\Comps.db"), QStringLiteral("2"),
                       QStringLiteral("UserName")),
                 QStringLiteral("maria")); // the companies keep the deleted name
    }

    void theEditorInsertsAndAsksBeforeOverwriting() {
        RecordingMessages messages;
        dmTables().tblUsers.open();
        {
            TfiUserRights editor;
            QCOMPARE(editor.levelItem(), 2);
            editor.edUserName->setText(QStringLiteral("Ελένη"));
            editor.btSaveClick(); // empty password
            QCOMPARE(messages.shown, QStringList{OperatorTexts::kEmptyPassword});
            editor.edUserPass->setText(QStringLiteral("1"));
            editor.rgRights->button(1)->setChecked(true);
            editor.btSaveClick();
            QCOMPARE(editor.result(), int(QDialog::Accepted));
        }
        QCOMPARE(dmTables().tblUsers.text(QStringLiteral("Rights")), QStringLiteral("I"));
        {
            TfiUserRights editor;
            editor.edUserName->setText(QStringLiteral("Ελένη"));
            editor.edUserPass->setText(QStringLiteral("2"));
            editor.rgRights->button(0)->setChecked(true);
            messages.queueAnswer(false);
            editor.btSaveClick();
            QCOMPARE(editor.result(), int(QDialog::Rejected));
            QVERIFY(
                isHashOf(dmTables().tblUsers.text(QStringLiteral("Pass")), QStringLiteral("1")));
            messages.queueAnswer(true);
            editor.btSaveClick();
            QCOMPARE(editor.result(), int(QDialog::Accepted));
        }
        QCOMPARE(messages.asked.size(), 2);
        QCOMPARE(messages.asked.first(), OperatorTexts::kOperatorExists);
        QVERIFY(dmTables().tblUsers.findKey({QStringLiteral("Ελένη")}));
        QVERIFY(isHashOf(dmTables().tblUsers.text(QStringLiteral("Pass")), QStringLiteral("2")));
        QCOMPARE(dmTables().tblUsers.text(QStringLiteral("Rights")), QStringLiteral("D"));
        QCOMPARE(dmTables().tblUsers.recordCount(), 2);
        dmTables().tblUsers.close();
    }

    void changingAnOperatorsLevelKeepsThePasswordLeftEmpty() {
        addOperator(QStringLiteral("maria"), QStringLiteral("V")); // stored password "p"
        RecordingMessages messages;
        messages.queueAnswer(true); // "Ο Χρήστης υπάρχει ήδη…": Yes
        bool edited = false;
        QString shownPassword = QStringLiteral("<not shown>");
        setDialogRunner([&](QDialog& d) -> int {
            if (auto* editor = qobject_cast<TfiUserRights*>(&d)) {
                shownPassword = editor->edUserPass->text();
                editor->rgRights->button(1)->setChecked(true);
                editor->btSaveClick();
                edited = editor->result() == QDialog::Accepted;
            } else if (auto* window = qobject_cast<TfiUsers*>(&d)) {
                dmTables().tblUsers.findKey({QStringLiteral("maria")});
                window->btModifyClick();
            }
            return QDialog::Rejected;
        });
        ShowOperatorsManagement(nullptr);
        rejectUnexpectedDialogs();
        QVERIFY(edited);
        QCOMPARE(shownPassword, QString());
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(field(QStringLiteral("Tables\\Users.db"), QStringLiteral("maria"),
                       QStringLiteral("Pass")),
                 QStringLiteral("p"));
        QCOMPARE(field(QStringLiteral("Tables\\Users.db"), QStringLiteral("maria"),
                       QStringLiteral("Rights")),
                 QStringLiteral("I"));
    }

    void theEditorRefusesAnEmptyName_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
    }
    void theEditorRefusesAnEmptyName() {
        QFETCH(QString, name);
        RecordingMessages messages;
        dmTables().tblUsers.open();
        CloseAfter closeUsers(dmTables().tblUsers);
        TfiUserRights editor;
        editor.edUserName->setText(name);
        editor.edUserPass->setText(QStringLiteral("1"));
        editor.btSaveClick();
        QCOMPARE(messages.shown, QStringList{OperatorTexts::kEmptyName});
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QCOMPARE(dmTables().tblUsers.recordCount(), 1); // "admin" only
    }

    void theEditorShowsAnOperatorsLevel() {
        TfiUserRights editor;
        editor.showOperator(QStringLiteral("x"), QStringLiteral("p"), QStringLiteral("I"));
        QCOMPARE(editor.levelItem(), 1);
        QVERIFY(editor.edUserName->isReadOnly());
        editor.showOperator(QStringLiteral("x"), QStringLiteral("p"), QStringLiteral("Q"));
        QCOMPARE(editor.levelItem(), 2);
    }

    void assignsACompanyToAnotherOperator() {
        addOperator(QStringLiteral("maria"), QStringLiteral("I"));
        addCompany(QStringLiteral("1"), QStringLiteral("admin"));
        RecordingMessages messages;
        int listedAfterAssigning = -1;
        setDialogRunner([&](QDialog& d) -> int {
            if (auto* window = qobject_cast<TfiUsers*>(&d)) {
                window->btChangeOperatorClick();
                listedAfterAssigning = dmTables().tblComps.recordCount();
                return QDialog::Rejected;
            }
            if (qobject_cast<TfiSelectUser*>(&d)) {
                dmTables().tblSelectUsers.findKey({QStringLiteral("maria")});
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
        ShowOperatorsManagement(nullptr);
        QCOMPARE(listedAfterAssigning, 0); // the company left the admin's list at once
        QCOMPARE(field(QStringLiteral("Tables\\Comps.db"), QStringLiteral("1"),
                       QStringLiteral("UserName")),
                 QStringLiteral("maria"));
        QVERIFY(!dmTables().tblSelectUsers.isOpen());
        QVERIFY(messages.errors.isEmpty());
    }

    // Without the operator's yes the logic changes nothing and hands back the question.
    void changesToAnOperatorWaitForConsent_data() {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("question");
        QTest::newRow("saving over an existing operator")
            << false << OperatorTexts::kOperatorExists;
        QTest::newRow("deleting an operator")
            << true << QString(OperatorTexts::kDeleteQuestion + "\"maria\"");
    }
    void changesToAnOperatorWaitForConsent() {
        QFETCH(bool, deleting);
        QFETCH(QString, question);
        addOperator(QStringLiteral("maria"), QStringLiteral("I"));
        TableCursor& users = dmTables().tblUsers;
        users.open();
        CloseAfter closeUsers(users);
        QVERIFY(users.findKey({QStringLiteral("maria")}));
        const auto change = [&](Consent consent) {
            return deleting ? OperatorAdmin::deleteCurrentOperator(consent)
                            : OperatorAdmin::saveOperator(QStringLiteral("maria"),
                                                          QStringLiteral("νέος"), 0, consent);
        };
        const QString usersTable = QStringLiteral("Tables\\Users.db");
        const Confirmable asked = change(Consent::NotGiven);
        QCOMPARE(asked.status, Confirmable::Status::NeedsYes);
        QCOMPARE(asked.question, question);
        QCOMPARE(field(usersTable, QStringLiteral("maria"), QStringLiteral("Pass")),
                 QStringLiteral("p"));

        QCOMPARE(change(Consent::Given).status, Confirmable::Status::Done);
        const QString pass = field(usersTable, QStringLiteral("maria"), QStringLiteral("Pass"));
        if (deleting)
            QCOMPARE(pass, QStringLiteral("<none>"));
        else
            QVERIFY(isHashOf(pass, QStringLiteral("νέος")));
    }

private:
    std::unique_ptr<TestFolder> folder;
};

LETHORA_TEST_MAIN(TestOperatorsAdmin)
#include "tst_operators_admin.moc"
