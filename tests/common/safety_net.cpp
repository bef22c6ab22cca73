// Each test here does what the test seams must catch; ctest runs one at a time and passes
// when the run reports that test failed with the text it names (see CMakeLists.txt).

#include "common/DialogRunner.h"
#include "common/Messages.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestMain.h"

#include <QDialog>

class SafetyNet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unexpectedMessage() { showMessage(QStringLiteral("Μήνυμα που δεν περίμενε κανείς")); }
    void unexpectedErrorReport() { messages().showError(QStringLiteral("Σφάλμα χωρίς λόγο")); }
    void unexpectedQuestion() { QVERIFY(!askYesNo(QStringLiteral("Ερώτηση χωρίς απάντηση;"))); }
    void unexpectedDialog() {
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("fiStray"));
        QCOMPARE(runDialog(dialog), int(QDialog::Rejected));
    }
    void questionWithNoQueuedAnswer() {
        RecordingMessages recorded;
        QVERIFY(!askYesNo(QStringLiteral("Διαγραφή;")));
    }
    void answerLeftUnused() {
        RecordingMessages recorded;
        recorded.queueAnswer(true);
    }
};

LETHORA_TEST_MAIN(SafetyNet)
#include "safety_net.moc"
