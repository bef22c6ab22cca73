// The company editor inside the main window: saving, rights, closing, and the
// main window's commands around it.

#include "app/TfiMain.h"
#include "common/DialogRunner.h"
#include "common/Settings.h"
#include "companies/CompanyRegister.h"
#include "companies/CompanyTexts.h"
#include "companies/CurrentCompany.h"
#include "companies/TEditAFM.h"
#include "companies/TfiCreateComp.h"
#include "companies/TfiNewComp.h"
#include "operators/CurrentOperator.h"
#include "operators/Rights.h"
#include "store/TdmTables.h"
#include "tests/support/GreekKeys.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

class TestCompanyEditor : public QObject {
    Q_OBJECT

    QString storedName() {
        TableCursor edra;
        edra.setTableName(QStringLiteral("Data\\123456783\\Edra.DB"));
        edra.open();
        return edra.text(QStringLiteral("BigName"));
    }

    TfiNewComp* editorOf(TfiMain& main) {
        const QList<QMdiSubWindow*> windows = main.mdiArea()->subWindowList();
        return windows.isEmpty() ? nullptr : qobject_cast<TfiNewComp*>(windows.first()->widget());
    }

private Q_SLOTS:
    void init() {
        folder = std::make_unique<TestFolder>();
        Settings::setFolderValue(QStringLiteral("HelpVideoListAddress"),
                                 QStringLiteral("http://127.0.0.1:1/v"));
        CurrentCompany() = {};
        CurrentOperator() = {QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("D")};
    }
    void cleanup() {
        rejectUnexpectedDialogs();
        folder.reset();
    }

    void creatingACompanyOpensItsEditor() {
        RecordingMessages messages;
        TfiMain main;
        setDialogRunner([](QDialog& d) -> int {
            auto* create = qobject_cast<TfiCreateComp*>(&d);
            if (!create)
                return QDialog::Rejected;
            create->edAfm->setText(QStringLiteral("123456783"));
            typeText(create->edCompName, QStringLiteral("Οικονόμου Ελένη"));
            create->btCreateClick();
            return create->result();
        });
        main.action(QStringLiteral("acNewComp"))->trigger();
        QCOMPARE(messages.errors, QStringList());
        QCOMPARE(messages.shown, QStringList());
        TfiNewComp* editor = editorOf(main);
        QVERIFY(editor);
        QCOMPARE(editor->edAFM->text(), QStringLiteral("123456783"));
        QCOMPARE(main.statusPanel(1)->text(), QStringLiteral("ΑΦΜ : 123456783"));
        main.updateCommands();
        QVERIFY(!main.action(QStringLiteral("acCompClose"))->isEnabled());
        QVERIFY(main.action(QStringLiteral("acSave"))->isEnabled());
        QVERIFY(main.MainPanel2->isHidden());

        typeText(editor->edBigName, QStringLiteral("Οικονόμου Ελένη"));
        main.action(QStringLiteral("acSave"))->trigger(); // F2 of the main window
        QCOMPARE(messages.shown, QStringList{CompanyTexts::kSaved});
        QCOMPARE(storedName(), QStringLiteral("Οικονόμου Ελένη"));

        main.action(QStringLiteral("acCloseMdiForm"))->trigger();
        QCoreApplication::processEvents();
        main.updateCommands();
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        QVERIFY(main.action(QStringLiteral("acCompClose"))->isEnabled());
        QVERIFY(main.action(QStringLiteral("acCompChange"))->isEnabled());
        QCOMPARE(main.statusPanel(0)->text(), QStringLiteral("Ενεργή Εταιρεία : Οικονόμου Ελένη"));
    }

    void closingTheEditorDropsUnsavedEdits() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Α")));
        TfiMain main;
        main.acCompChangeExecute();
        TfiNewComp* editor = editorOf(main);
        editor->edBigName->setText(QStringLiteral("Σωστό"));
        editor->miSaveClick();
        editor->edBigName->setText(QStringLiteral("Πρόχειρο"));
        editor->edPhone->setText(QStringLiteral("2100000000"));
        editor->edBigName->clear();
        editor->miSaveClick(); // refused: the edits reached the record in memory only
        QCOMPARE(messages.shown.last(), CompanyTexts::kSaveNoName);
        QVERIFY(CurrentCompany().BigName.isEmpty());
        editor->miClose->trigger();
        QCoreApplication::processEvents();
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(CurrentCompany().BigName, QStringLiteral("Σωστό"));
        QVERIFY(CurrentCompany().Phone.isEmpty());
        QCOMPARE(storedName(), QStringLiteral("Σωστό"));
    }

    void savingNeedsRightsI() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Α")));
        CurrentOperator().Rights = QStringLiteral("V");
        TfiNewComp editor;
        editor.fill();
        editor.edBigName->setText(QStringLiteral("Αλλαγή"));
        editor.miSaveClick();
        QCOMPARE(messages.shown, QStringList{Rights::kNoRightsMessage});
        QVERIFY(storedName().isEmpty());
        QVERIFY(CurrentCompany().BigName.isEmpty());
    }

    void theRecordIsCutToItsWidthsAndPasswordsToggle() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Α")));
        TfiNewComp editor;
        editor.fill();
        QCOMPARE(editor.edArithmos->maxLength(), 20);
        QCOMPARE(editor.edCompPassword->maxLength(), 50);
        QCOMPARE(editor.edCompPassword->echoMode(), QLineEdit::Password);
        editor.togglePassword(editor.edCompPassword);
        QCOMPARE(editor.edCompPassword->echoMode(), QLineEdit::Normal);
        editor.togglePassword(editor.edCompPassword);
        QCOMPARE(editor.edCompPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(editor.edEkprPassword->echoMode(), QLineEdit::Password);
        editor.edBigName->setText(QStringLiteral("Όνομα"));
        editor.edCompUserName->setText(QStringLiteral("user'; DROP TABLE"));
        editor.miSaveClick();
        TableCursor edra;
        edra.setTableName(QStringLiteral("Data\\123456783\\Edra.DB"));
        edra.open();
        QCOMPARE(edra.text(QStringLiteral("CompUserName")), QStringLiteral("user'; DROP TABLE"));
        QCOMPARE(edra.recordCount(), 1);
    }

    void closingTheApplicationRemovesTheLock() {
        RecordingMessages messages;
        QVERIFY(CompanyRegister::create(QStringLiteral("123456783"), QStringLiteral("Α")));
        QVERIFY(QFile::exists(folder->path(QStringLiteral("Data/123456783/InUse.lck"))));
        TfiMain main;
        main.show();
        main.close();
        QVERIFY(!QFile::exists(folder->path(QStringLiteral("Data/123456783/InUse.lck"))));
    }

private:
    std::unique_ptr<TestFolder> folder;
};

LETHORA_TEST_MAIN(TestCompanyEditor)
#include "tst_company_editor.moc"
