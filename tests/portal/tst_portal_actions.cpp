// View or edit, print, amend and terminate on the submission page of a signed-in
// window: the refusals, the messages, which form is submitted and in which window.

#include "portal/PortalActions.h"
#include "tests/portal/ScriptedPortal.h"
#include "tests/portal/StaticPages.h"
#include "tests/support/TestMain.h"

namespace {
const QString kTemporary = QStringLiteral("Προσωρινά Αποθηκευμένο");
const QString kFinal = QStringLiteral("Οριστικοποιημένο");

struct WaitCounts {
    int shown = 0;
    int hidden = 0;
    WaitWindowHooks hooks() {
        return {[this] { ++shown; }, [this] { ++hidden; }};
    }
};

// A submission page of fixed forms, for the matching rules.
struct FixedList {
    explicit FixedList(const QString& forms) : browser(pages) {
        setClock(&clock);
        setBrowserOps(&browser);
        pages.pages.insert(PortalAddresses::submissionDetailsPage(),
                           QStringLiteral("<body>") + forms + QStringLiteral("</body>"));
        window = browser.OpenBrowser();
        browser.NavigateTo(window, PortalAddresses::submissionDetailsPage());
        clock.advance(1000);
    }
    ~FixedList() {
        setBrowserOps(nullptr);
        setClock(nullptr);
    }
    // The transId of the form that was submitted.
    QString submitted() {
        clock.advance(1000);
        browser.ListBrowserWindows();
        for (const auto& [name, value] : pages.received.last().fields)
            if (name == QLatin1String("transId"))
                return value;
        return QString();
    }

    TestFolder folder;
    RecordingMessages messages;
    SimulatedClock clock;
    StaticPages pages;
    ScriptedBrowser browser;
    BrowserWindow window;
    PortalSession session;
};

QString form(const QString& number, const QString& picture, const QString& target = QString()) {
    return QStringLiteral(
               "<form %1action=\"/act\" method=\"post\"><input name=\"transId\" type=\"hidden\" "
               "value=\"%2\"><input type=\"image\" src=\"%3\"></form>")
        .arg(target, number, picture);
}
} // namespace

class TestPortalActions : public QObject {
    Q_OBJECT
private slots:
    void temporarilySavedDeclarationsAreRefusedBeforeAnyWindowIsLookedFor() {
        ScriptedPortal portal;
        portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        WaitCounts wait;
        const qint64 start = portal.clock.nowMs();
        RunDeclarationAction(portal.session, DeclarationAction::Print, QStringLiteral("1010"),
                             kTemporary, wait.hooks());
        RunDeclarationAction(portal.session, DeclarationAction::Amend, QStringLiteral("1010"),
                             kTemporary, wait.hooks());
        RunDeclarationAction(portal.session, DeclarationAction::Terminate, QStringLiteral("1010"),
                             kTemporary, wait.hooks());
        QCOMPARE(
            portal.messages.shown,
            QStringList({QStringLiteral(
                             "Δεν υπάρχει δυνατότητα εκτύπωσης ΠΡΟΣΩΡΙΝΑ ΑΠΟΘΗΚΕΥΜΕΝΗΣ δήλωσης."),
                         QStringLiteral("Δεν υπάρχει δυνατότητα δημιουργίας τροποποιητικής δήλωσης "
                                        "σε ΠΡΟΣΩΡΙΝΑ ΑΠΟΘΗΚΕΥΜΕΝΗ δήλωση."),
                         QStringLiteral(
                             "Δεν υπάρχει δυνατότητα λύσης σε ΠΡΟΣΩΡΙΝΑ ΑΠΟΘΗΚΕΥΜΕΝΗ δήλωση.")}));
        QCOMPARE(portal.clock.nowMs(), start); // no window pass ran
        QVERIFY(!portal.session.SessionBrowser);
        QCOMPARE(wait.shown, 0);
        QVERIFY(portal.platform.actionsSubmitted().isEmpty());
    }

    void editingATemporarilySavedDeclarationOpensInTheSameWindow() {
        ScriptedPortal portal;
        const BrowserWindow list = portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        WaitCounts wait;
        RunDeclarationAction(portal.session, DeclarationAction::ViewOrEdit, QStringLiteral("1010"),
                             kTemporary, wait.hooks());
        portal.settle();
        QVERIFY(portal.messages.shown.isEmpty());
        QCOMPARE(portal.platform.actionsSubmitted(), QStringList({QStringLiteral("edit 1010")}));
        QCOMPARE(portal.browser.ListBrowserWindows().size(), 1);
        QVERIFY(portal.browser.GetLocationUrl(list).contains(PortalAddresses::flowPage()));
        QCOMPARE(wait.shown, 1);
        QCOMPARE(wait.hidden, 1);
    }

    void viewingOpensTheDeclarationInANewWindow() {
        ScriptedPortal portal;
        const BrowserWindow list = portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        RunDeclarationAction(portal.session, DeclarationAction::ViewOrEdit, QStringLiteral("1020"),
                             kFinal);
        portal.settle();
        const QList<BrowserWindow> windows = portal.browser.ListBrowserWindows();
        QCOMPARE(windows.size(), 2);
        QVERIFY(
            portal.browser.GetLocationUrl(list).contains(PortalAddresses::submissionDetailsPage()));
        QVERIFY(
            portal.browser.GetLocationUrl(windows.last()).contains(PortalAddresses::flowPage()));
        QCOMPARE(portal.platform.actionsSubmitted(), QStringList({QStringLiteral("view 1020")}));
        QCOMPARE(portal.browser.writes().mid(portal.browser.writes().size() - 2),
                 QStringList({QStringLiteral("SetAttribute target"), QStringLiteral("Submit")}));
    }

    void amendAndTerminateSubmitInTheSameWindow() {
        ScriptedPortal portal;
        const BrowserWindow list = portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        RunDeclarationAction(portal.session, DeclarationAction::Amend, QStringLiteral("1020"),
                             kFinal);
        portal.settle();
        QCOMPARE(portal.browser.ListBrowserWindows().size(), 1);
        QVERIFY(portal.browser.GetLocationUrl(list).contains(PortalAddresses::flowPage()));
        portal.browser.NavigateTo(list, PortalAddresses::submissionDetailsPage());
        portal.settle();
        RunDeclarationAction(portal.session, DeclarationAction::Terminate, QStringLiteral("1020"),
                             kFinal);
        portal.settle();
        RunDeclarationAction(portal.session, DeclarationAction::Print, QStringLiteral("1020"),
                             kFinal);
        portal.settle();
        QCOMPARE(portal.platform.actionsSubmitted(),
                 QStringList({QStringLiteral("amend 1020"), QStringLiteral("terminate 1020")}));
        // The terminate page has no submission list, so print found no window.
        QCOMPARE(portal.messages.shown,
                 QStringList({QStringLiteral("Για να κάνετε εκτύπωση της δήλωσης πρέπει πρώτα να "
                                             "συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ")}));
    }

    void noFormOfTheActionIsNotAllowedForAmendAndTerminateOnly() {
        ScriptedPortal portal;
        portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        // 1001 has been amended: it keeps its view and print forms only.
        RunDeclarationAction(portal.session, DeclarationAction::Amend, QStringLiteral("1001"),
                             kFinal);
        RunDeclarationAction(portal.session, DeclarationAction::Terminate, QStringLiteral("1001"),
                             kFinal);
        RunDeclarationAction(portal.session, DeclarationAction::Print, QString(), kFinal);
        RunDeclarationAction(portal.session, DeclarationAction::Amend, QString(), kFinal);
        RunDeclarationAction(portal.session, DeclarationAction::ViewOrEdit, QStringLiteral("1001"),
                             kFinal);
        RunDeclarationAction(portal.session, DeclarationAction::Print, QStringLiteral("1001"),
                             kFinal);
        portal.settle();
        QCOMPARE(
            portal.messages.shown,
            QStringList({QStringLiteral("Δεν επιτρέπεται η δημιουργία τροποποιητικής δήλωσης."),
                         QStringLiteral("Δεν επιτρέπεται η λύση του συμφωνητικού μίσθωσης."),
                         QStringLiteral("Δεν επιτρέπεται η δημιουργία τροποποιητικής δήλωσης.")}));
        // Print and view found their forms; nothing matched an empty number.
        QCOMPARE(portal.platform.actionsSubmitted(),
                 QStringList({QStringLiteral("view 1001"), QStringLiteral("print 1001")}));
    }

    void withoutASignedInWindowNothingIsShownButTheMessage() {
        ScriptedPortal portal;
        WaitCounts wait;
        RunDeclarationAction(portal.session, DeclarationAction::Terminate, QStringLiteral("1020"),
                             kFinal, wait.hooks());
        QCOMPARE(portal.messages.shown,
                 QStringList(
                     {QStringLiteral("Για να κάνετε λύση ενός συμφωνητικού μίσθωσης θα πρέπει "
                                     "πρώτα να συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ")}));
        QCOMPARE(wait.shown, 0);
    }

    void aPageThatGoesBeforeTheWaitHasItsOwnMessage() {
        ScriptedPortal portal;
        const BrowserWindow list = portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        const qint64 start = portal.clock.nowMs();
        // The window closes after the window search and before the wait for the page.
        portal.clock.setOnWait([&, list](qint64 now) {
            if (now - start == 200 &&
                portal.browser.state(portal.browser.GetWindowHandle(list)).open)
                portal.browser.QuitBrowser(list);
        });
        RunDeclarationAction(portal.session, DeclarationAction::Terminate, QStringLiteral("1020"),
                             kFinal);
        portal.clock.setOnWait({});
        QCOMPARE(
            portal.messages.shown,
            QStringList({QStringLiteral("Για να κάνετε λύση συμφωνητικού μίσθωσης πρέπει πρώτα να "
                                        "συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ")}));
    }

    void aFailureWhileTheFormIsSubmittedIsTheActionsProblem() {
        ScriptedPortal portal;
        const BrowserWindow list = portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        WaitCounts wait;
        WaitWindowHooks hooks = wait.hooks();
        hooks.showWithoutProgress = [&] {
            ++wait.shown;
            portal.browser.QuitBrowser(list);
        };
        RunDeclarationAction(portal.session, DeclarationAction::ViewOrEdit, QStringLiteral("1020"),
                             kFinal, hooks);
        QCOMPARE(portal.messages.shown,
                 QStringList({QStringLiteral(
                     "Παρουσιάστηκε κάποιο πρόβλημα με την προβολή της δήλωσης.")}));
        QCOMPARE(wait.hidden, 1);
    }

    void theNumberMatchesOnlyAsAWholeNumber() {
        FixedList page(form(QStringLiteral("91234"), QStringLiteral("edit_add.png")) +
                       form(QStringLiteral("12345"), QStringLiteral("edit_add.png")) +
                       form(QStringLiteral("1234"), QStringLiteral("edit_add.png")) +
                       form(QStringLiteral("1234"), QStringLiteral("edit_add.png")));
        RunDeclarationAction(page.session, DeclarationAction::Amend, QStringLiteral("1234"),
                             kFinal);
        QCOMPARE(page.submitted(), QStringLiteral("1234"));
        QCOMPARE(page.browser.writes(), QStringList({QStringLiteral("Submit")}));
        QVERIFY(page.messages.shown.isEmpty());
    }

    // A form that names its submission in its transId input belongs to that submission
    // alone: a hidden field of another declaration's number in it does not make it theirs.
    void aFormIsMatchedByItsTransId() {
        const QString other =
            QStringLiteral("<input type=\"hidden\" name=\"next\" value=\"1002\">");
        QString first = form(QStringLiteral("1001"), QStringLiteral("pdf.png"));
        first.replace(QStringLiteral("</form>"), other + QStringLiteral("</form>"));
        FixedList page(first + form(QStringLiteral("1002"), QStringLiteral("pdf.png")));
        RunDeclarationAction(page.session, DeclarationAction::Print, QStringLiteral("1002"),
                             kFinal);
        QCOMPARE(page.submitted(), QStringLiteral("1002"));
    }

    void aViewFormWithItsTargetAlreadySetIsSubmittedUnchanged() {
        FixedList page(form(QStringLiteral("77"), QStringLiteral("viewmag.png"),
                            QStringLiteral("target=\"_blank\" ")));
        RunDeclarationAction(page.session, DeclarationAction::ViewOrEdit, QStringLiteral("77"),
                             kFinal);
        QCOMPARE(page.submitted(), QStringLiteral("77"));
        QCOMPARE(page.browser.writes(), QStringList({QStringLiteral("Submit")}));
        QCOMPARE(page.browser.ListBrowserWindows().size(), 2);
    }

    void theActionFormRule() {
        QVERIFY(isActionForm(QStringLiteral("value=\"1234\" viewmag.png"), QStringLiteral("1234"),
                             DeclarationAction::ViewOrEdit));
        QVERIFY(isActionForm(QStringLiteral("1234\">edit.png"), QStringLiteral("1234"),
                             DeclarationAction::ViewOrEdit));
        QVERIFY(!isActionForm(QStringLiteral("12345 viewmag.png"), QStringLiteral("1234"),
                              DeclarationAction::ViewOrEdit));
        QVERIFY(!isActionForm(QStringLiteral("1234 pdf.png"), QStringLiteral("1234"),
                              DeclarationAction::ViewOrEdit));
        QVERIFY(isActionForm(QStringLiteral("91234 1234 pdf.png"), QStringLiteral("1234"),
                             DeclarationAction::Print));
        QVERIFY(!isActionForm(QStringLiteral("1234 edit.png"), QStringLiteral("1234"),
                              DeclarationAction::Amend));
        QVERIFY(isActionForm(QStringLiteral("1234 edit_add.png"), QStringLiteral("1234"),
                             DeclarationAction::Amend));
        QVERIFY(isActionForm(QStringLiteral("(1234) termination.png"), QStringLiteral("1234"),
                             DeclarationAction::Terminate));
        QVERIFY(!isActionForm(QStringLiteral("termination.png"), QString(),
                              DeclarationAction::Terminate));
    }
};

LETHORA_TEST_MAIN(TestPortalActions)
#include "tst_portal_actions.moc"
