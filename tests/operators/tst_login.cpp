// Logging in: the first start, refusals, the first password and the remembered name.

#include "common/DialogRunner.h"
#include "operators/CurrentOperator.h"
#include "operators/OperatorLogic.h"
#include "operators/RememberedOperator.h"
#include "operators/TfiGetPass.h"
#include "operators/TfiNewPass.h"
#include "store/TdmTables.h"
#include "tests/operators/StoredPassword.h"
#include "tests/support/GreekKeys.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

class TestLogin : public QObject {
    Q_OBJECT

    QString storedPassword(const QString& name) {
        TableCursor users;
        users.setTableName(QStringLiteral("Tables\\Users.db"));
        users.open();
        return users.findKey({name}) ? users.text(QStringLiteral("Pass"))
                                     : QStringLiteral("<none>");
    }

    void addOperator(const QString& name, const QString& pass, const QString& rights) {
        TableCursor users;
        users.setTableName(QStringLiteral("Tables\\Users.db"));
        users.open();
        users.insert();
        users.setValue(QStringLiteral("UserName"), name);
        users.setValue(QStringLiteral("Pass"), pass);
        users.setValue(QStringLiteral("Rights"), rights);
        users.post();
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        RememberedOperator::write(QString());
        CurrentOperator() = {};
    }
    void cleanup() {
        rejectUnexpectedDialogs();
        folder.reset();
    }

    void aFreshFolderCreatesUsersAndAsksForTheFirstPassword() {
        RecordingMessages messages;
        QVERIFY(!QFileInfo::exists(folder->path(QStringLiteral("Tables/Users.db"))));
        TfiGetPass login;
        QVERIFY(QFileInfo::exists(folder->path(QStringLiteral("Tables/Users.db"))));
        QCOMPARE(login.edUserName->text(), QStringLiteral("admin"));
        QVERIFY(!login.mmFirstTime->isHidden());

        int asked = 0;
        setDialogRunner([&](QDialog& d) -> int {
            auto* newPass = qobject_cast<TfiNewPass*>(&d);
            if (!newPass)
                return int(QDialog::Rejected);
            ++asked;
            if (asked == 1) // leaving without a password keeps the operator out
                return int(QDialog::Rejected);
            typeText(newPass->edPass1, QStringLiteral("μυστικό"));
            typeText(newPass->edPass2, QStringLiteral("μυστικό"));
            newPass->btSaveClick();
            return newPass->result();
        });
        login.btEnterClick();
        QCOMPARE(login.result(), int(QDialog::Rejected));
        QCOMPARE(asked, 1);
        QCOMPARE(storedPassword(QStringLiteral("admin")), QString());

        login.btEnterClick();
        QCOMPARE(asked, 2);
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QVERIFY(isHashOf(storedPassword(QStringLiteral("admin")), QStringLiteral("μυστικό")));
        QCOMPARE(CurrentOperator().UserName, QStringLiteral("admin"));
        QCOMPARE(CurrentOperator().Pass, storedPassword(QStringLiteral("admin")));
        QCOMPARE(CurrentOperator().Rights, QStringLiteral("D"));
        QCOMPARE(messages.shown, QStringList{OperatorTexts::kPasswordChanged});

        TfiGetPass nextStart; // the note is gone once admin has a password
        QVERIFY(nextStart.mmFirstTime->isHidden());
    }

    void refusesAWrongNameAndAWrongPassword() {
        dmTables().EnsureUsersTable();
        addOperator(QStringLiteral("Μαρία"), QStringLiteral("Κωδ1"), QStringLiteral("I"));
        RecordingMessages messages;
        TfiGetPass login;
        login.edUserName->setText(QStringLiteral("Μαρια"));
        login.edPassword->setText(QStringLiteral("Κωδ1"));
        login.btEnterClick();
        login.edUserName->setText(QStringLiteral("Μαρία"));
        login.edPassword->setText(QStringLiteral("κωδ1")); // case counts
        login.btEnterClick();
        QCOMPARE(messages.shown,
                 (QStringList{OperatorTexts::kWrongName, OperatorTexts::kWrongPassword}));
        QCOMPARE(login.result(), int(QDialog::Rejected));
        QVERIFY(CurrentOperator().UserName.isEmpty());

        login.edPassword->setText(QStringLiteral("Κωδ1"));
        login.btEnterClick();
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(CurrentOperator().Rights, QStringLiteral("I"));
    }

    // A password stored in plain text by an earlier version still logs in, and is then
    // kept as its hash; a wrong password changes nothing.
    void aPlainPasswordBecomesItsHashAtTheNextLogin() {
        dmTables().EnsureUsersTable();
        addOperator(QStringLiteral("Μαρία"), QStringLiteral("Κωδ1"), QStringLiteral("I"));
        RecordingMessages messages;
        for (const QString& typed : {QStringLiteral("κωδ1"), QStringLiteral("Κωδ1")}) {
            TfiGetPass login;
            login.edUserName->setText(QStringLiteral("Μαρία"));
            login.edPassword->setText(typed);
            login.btEnterClick();
        }
        QCOMPARE(messages.shown, QStringList{OperatorTexts::kWrongPassword});
        const QString hash = storedPassword(QStringLiteral("Μαρία"));
        QVERIFY2(isHashOf(hash, QStringLiteral("Κωδ1")), qPrintable(hash));

        TfiGetPass again;
        again.edUserName->setText(QStringLiteral("Μαρία"));
        again.edPassword->setText(hash); // the stored text is no password
        again.btEnterClick();
        QCOMPARE(again.result(), int(QDialog::Rejected));
        again.edPassword->setText(QStringLiteral("Κωδ1"));
        again.btEnterClick();
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(storedPassword(QStringLiteral("Μαρία")), hash); // hashed once
    }

    void proposesTheOperatorWhoLoggedInLast() {
        dmTables().EnsureUsersTable();
        addOperator(QStringLiteral("Νίκος"), QStringLiteral("1"), QStringLiteral("V"));
        {
            RecordingMessages messages;
            TfiGetPass login;
            login.edUserName->setText(QStringLiteral("Νίκος"));
            login.edPassword->setText(QStringLiteral("1"));
            login.btEnterClick();
            QCOMPARE(login.result(), int(QDialog::Accepted));
        }
        QCOMPARE(RememberedOperator::read(), QStringLiteral("Νίκος"));
        QSettings stored(QStringLiteral("Quindel"), QStringLiteral("Lethora"));
        bool storedReversed = false;
        for (const QString& key : stored.allKeys())
            storedReversed =
                storedReversed || (key.endsWith(QStringLiteral("UN002")) &&
                                   stored.value(key).toString() == QStringLiteral("ςοκίΝ"));
        QVERIFY(storedReversed);
        TfiGetPass nextStart;
        QCOMPARE(nextStart.edUserName->text(), QStringLiteral("Νίκος"));
    }

    void enterInThePasswordLogsIn() {
        dmTables().EnsureUsersTable();
        addOperator(QStringLiteral("eleni"), QStringLiteral("x"), QStringLiteral("D"));
        RecordingMessages messages;
        TfiGetPass login;
        login.show();
        login.edUserName->setText(QStringLiteral("eleni"));
        login.edUserName->setFocus();
        QTest::keyClick(login.edUserName, Qt::Key_Return); // moves on, logs nobody in
        QCOMPARE(login.result(), int(QDialog::Rejected));
        QVERIFY(messages.shown.isEmpty());
        login.edPassword->setText(QStringLiteral("x"));
        QTest::keyClick(login.edPassword, Qt::Key_Down);
        QCOMPARE(login.result(), int(QDialog::Accepted));
    }

    void passwordChangeRefusals() {
        dmTables().EnsureUsersTable();
        CurrentOperator() = {QStringLiteral("ghost"), QString(), QStringLiteral("D")};
        RecordingMessages messages;
        dmTables().tblUsers.open();
        TfiNewPass dialog;
        dialog.edPass1->setText(QStringLiteral("a"));
        dialog.edPass2->setText(QStringLiteral("b"));
        dialog.btSaveClick();
        QVERIFY(dialog.edPass1->text().isEmpty());
        QVERIFY(dialog.edPass2->text().isEmpty());
        dialog.btSaveClick(); // both empty
        dialog.edPass1->setText(QStringLiteral("a"));
        dialog.edPass2->setText(QStringLiteral("a"));
        dialog.btSaveClick(); // no such operator
        dmTables().tblUsers.close();
        QCOMPARE(messages.shown,
                 (QStringList{OperatorTexts::kPasswordsDiffer, OperatorTexts::kEmptyPassword,
                              OperatorTexts::kNoSuchOperator}));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.edPass1->maxLength(), 15);
    }

    void aMissingTemplateIsReportedNotACrash() {
        RecordingMessages messages;
        QFile::remove(folder->path(QStringLiteral("ClrTbls/Users.db")));
        TfiGetPass login;
        QVERIFY(!login.ready());
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY(messages.errors.first().contains(QStringLiteral("Users.db")));
        login.btEnterClick();
        QCOMPARE(messages.errors.size(), 2);
        QCOMPARE(login.result(), int(QDialog::Rejected));
    }

private:
    std::unique_ptr<TestFolder> folder;
};

LETHORA_TEST_MAIN(TestLogin)
#include "tst_login.moc"
