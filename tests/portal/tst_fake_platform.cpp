// The fake platform's pages as the portal reads them through the scripted browser:
// sign-on, console and role choice, the submission list with its forms, a declaration's
// details page (submitted, temporarily saved, terminated) and the action answers.

#include "portal/PortalAddresses.h"
#include "tests/portal/ScriptedPortal.h"
#include "tests/support/TestMain.h"

namespace {
QString flat(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .trimmed();
}

struct Reader {
    BrowserOps& b;
    PageDocument document;

    PageElement body() { return b.GetBody(document); }
    QList<PageElement> all(const QString& tag) {
        QList<PageElement> found;
        const ElementCollection items = b.GetElementsByTagName(body(), tag);
        for (int i = 0; i < b.Count(items); ++i)
            found << b.Item(items, i);
        return found;
    }
    QList<PageElement> rows(const PageElement& table) {
        QList<PageElement> found;
        const ElementCollection items = b.GetRows(table);
        for (int i = 0; i < b.Count(items); ++i)
            found << b.Item(items, i);
        return found;
    }
    QStringList cells(const PageElement& row) {
        QStringList texts;
        const ElementCollection items = b.GetCells(row);
        for (int i = 0; i < b.Count(items); ++i)
            texts << flat(b.GetOuterText(b.Item(items, i)));
        return texts;
    }
    PageElement tableWithRow(const QString& text) {
        for (const PageElement& table : all(QStringLiteral("table")))
            for (const PageElement& row : rows(table))
                if (b.GetOuterText(row).trimmed() == text)
                    return table;
        return {};
    }
    QString value(const QString& id) { return b.GetInputValue(b.GetElementById(document, id)); }
    QString bodyText() { return b.GetOuterText(body()); }
};

const QString kTransIdInput =
    QStringLiteral("<input name=\"transId\" type=\"hidden\" value=\"%1\">");
} // namespace

class TestFakePlatform : public QObject {
    Q_OBJECT

    // Opens the declaration through its form on the list page; gives the new window.
    BrowserWindow openDeclaration(ScriptedPortal& portal, const QString& number,
                                  const QString& picture) {
        const BrowserWindow list = portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        Reader page{portal.browser, portal.browser.GetDocument(list)};
        const QList<PageElement> forms = page.all(QStringLiteral("form"));
        for (qsizetype i = 0; i < forms.size(); ++i) {
            const PageElement& form = forms.at(i);
            const QString html = portal.browser.GetOuterHtml(form);
            if (html.contains(kTransIdInput.arg(number)) && html.contains(picture)) {
                if (!html.contains(QStringLiteral("target=\"_blank\"")))
                    portal.browser.SetOuterHtml(
                        form,
                        QString(html).replace(QStringLiteral("form action"),
                                              QStringLiteral("form target=\"_blank\" action")));
                portal.browser.Submit(page.all(QStringLiteral("form")).at(i));
                break;
            }
        }
        portal.settle();
        return portal.browser.ListBrowserWindows().last();
    }

private slots:
    void signOnAsksAgainAfterWrongCredentials() {
        ScriptedPortal portal;
        const BrowserWindow window = portal.signedInWindow(
            PortalAddresses::consolePage(), QStringLiteral("owner"), QStringLiteral("wrong"));
        QVERIFY(portal.browser.GetLocationUrl(window).startsWith(PortalAddresses::signOnBase()));
        Reader page{portal.browser, portal.browser.GetDocument(window)};
        QVERIFY(
            page.bodyText().contains(QStringLiteral("Λάθος όνομα χρήστη ή κωδικός πρόσβασης.")));
        QVERIFY(portal.browser.GetElementById(page.document, QStringLiteral("password")));
        QVERIFY(portal.browser.GetElementById(page.document, QStringLiteral("username")));
    }

    void theOwnerReachesTheConsoleAndTheListWithButton1() {
        ScriptedPortal portal;
        const BrowserWindow window = portal.signedInWindow(PortalAddresses::consolePage());
        QCOMPARE(portal.browser.GetLocationUrl(window), PortalAddresses::consolePage());
        Reader console{portal.browser, portal.browser.GetDocument(window)};
        PageElement button1;
        for (const PageElement& input : console.all(QStringLiteral("input")))
            if (portal.browser.GetAttribute(input, QStringLiteral("name")) ==
                QLatin1String("button1"))
                button1 = input;
        QVERIFY(button1);
        QCOMPARE(portal.browser.GetAttribute(console.all(QStringLiteral("select")).first(),
                                             QStringLiteral("name")),
                 QStringLiteral("yearShow"));
        portal.browser.Click(button1);
        portal.settle();
        QVERIFY(portal.browser.GetLocationUrl(window).contains(
            PortalAddresses::submissionDetailsPage()));
        Reader list{portal.browser, portal.browser.GetDocument(window)};
        QVERIFY(list.bodyText().contains(QStringLiteral("Α.Φ.Μ.: 094014201")));
        QVERIFY(!list.bodyText().contains(QStringLiteral("για λογαριασμό")));
    }

    void anAuthorisedUserPicksTheRoleFirst() {
        FakeOwner owner = SampleRegister::owner();
        owner.representativeUserName = QStringLiteral("logistis");
        owner.representativePassword = QStringLiteral("pass2");
        ScriptedPortal portal({owner});
        const BrowserWindow window = portal.signedInWindow(
            PortalAddresses::consolePage(), QStringLiteral("logistis"), QStringLiteral("pass2"));
        QCOMPARE(portal.browser.GetLocationUrl(window), PortalAddresses::consolePage());
        Reader roles{portal.browser, portal.browser.GetDocument(window)};
        QVERIFY(
            portal.browser.GetInnerHtml(roles.body()).contains(PortalAddresses::kActorRolesPage));
        QVERIFY(roles.all(QStringLiteral("select")).size() == 1);
        portal.browser.Submit(roles.all(QStringLiteral("form")).first());
        portal.settle();
        portal.browser.NavigateTo(window, PortalAddresses::submissionDetailsPage());
        portal.settle();
        Reader list{portal.browser, portal.browser.GetDocument(window)};
        QVERIFY(list.bodyText().contains(QStringLiteral("για λογαριασμό του Α.Φ.Μ.: 094014201")));
    }

    void eachBrowserSignsOnByItself() {
        ScriptedPortal portal;
        portal.signedInWindow(PortalAddresses::consolePage());
        const BrowserWindow other = portal.browser.OpenBrowser();
        portal.browser.NavigateTo(other, PortalAddresses::consolePage());
        portal.settle();
        QVERIFY(portal.browser.GetLocationUrl(other).startsWith(portal.platform.signOnPage()));
    }

    void theListTableAndItsForms() {
        ScriptedPortal portal;
        const BrowserWindow window =
            portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        Reader page{portal.browser, portal.browser.GetDocument(window)};
        PageElement list;
        for (const PageElement& candidate : page.all(QStringLiteral("table"))) {
            const QStringList heading = page.cells(page.rows(candidate).first());
            if (heading.size() > 5 && heading.at(0) == QStringLiteral("Αριθμός Καταχώρησης") &&
                heading.at(2) == QStringLiteral("Στοιχεία   1ου μισθωτή"))
                list = candidate;
        }
        QVERIFY(list);
        const QList<PageElement> rows = page.rows(list);
        QCOMPARE(rows.size(), 6);
        QCOMPARE(page.cells(rows.at(1)).mid(0, 5),
                 QStringList({QStringLiteral("1001"), QStringLiteral("07/03/2024 10:15:00"),
                              QStringLiteral("ΜΙΣΘΩΤΗΣ <1>"), QStringLiteral("Οριστικοποιημένο"),
                              QStringLiteral("Αρχική")}));
        QCOMPARE(page.cells(rows.at(2)).at(0), QStringLiteral("1002 (Τροποποιεί το Α/Α 1001)"));
        QCOMPARE(page.cells(rows.at(3)).at(0), QStringLiteral("1003 (Τροποποιεί το Α/Α 1002)"));
        QCOMPARE(page.cells(rows.at(3)).at(4), QStringLiteral("Λύση"));

        QStringList offered;
        for (const PageElement& form : page.all(QStringLiteral("form"))) {
            const QString html = portal.browser.GetOuterHtml(form);
            for (const QString& number : {QStringLiteral("1001"), QStringLiteral("1003"),
                                          QStringLiteral("1010"), QStringLiteral("1020")})
                if (html.contains(kTransIdInput.arg(number)))
                    offered << number + QLatin1Char(' ') +
                                   html.section(QStringLiteral("/images/"), 1)
                                       .section(QLatin1Char('"'), 0, 0) +
                                   (html.contains(QStringLiteral("target=\"_blank\""))
                                        ? QStringLiteral(" new")
                                        : QString());
        }
        QCOMPARE(
            offered,
            QStringList({QStringLiteral("1001 viewmag.png"), QStringLiteral("1001 pdf.png"),
                         QStringLiteral("1003 viewmag.png"), QStringLiteral("1003 pdf.png"),
                         QStringLiteral("1010 edit.png new"), QStringLiteral("1020 viewmag.png"),
                         QStringLiteral("1020 pdf.png"), QStringLiteral("1020 edit_add.png"),
                         QStringLiteral("1020 termination.png")}));
    }

    void theDetailsPageOfASubmittedDeclaration() {
        ScriptedPortal portal;
        const BrowserWindow window =
            openDeclaration(portal, QStringLiteral("1001"), QStringLiteral("viewmag.png"));
        QVERIFY(portal.browser.GetLocationUrl(window).contains(PortalAddresses::flowPage()));
        Reader page{portal.browser, portal.browser.GetDocument(window)};
        QString title;
        for (const PageElement& cell : page.all(QStringLiteral("td")))
            if (title.isEmpty() &&
                portal.browser.GetOuterText(cell).trimmed().startsWith(
                    QStringLiteral("ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ")))
                title = portal.browser.GetOuterText(cell).trimmed();
        QCOMPARE(title.section(QLatin1Char('.'), 1).section(QLatin1Char('-'), 0, 0).trimmed(),
                 QStringLiteral("1001"));

        const QList<PageElement> lessors =
            page.rows(page.tableWithRow(QStringLiteral("ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ")));
        QCOMPARE(page.cells(lessors.at(2)).mid(0, 5),
                 QStringList({QStringLiteral("1"), QStringLiteral("100000001"),
                              QStringLiteral("ΕΚΜΙΣΘΩΤΗΣ 1 & ΣΙΑ"), QStringLiteral("50,00"),
                              QStringLiteral("Πλήρης Κυριότητα")}));
        QCOMPARE(page.cells(lessors.at(4)).size(), 1);

        const QList<PageElement> lessee = page.rows(
            portal.browser.GetElementById(page.document, QStringLiteral("leaseholderTable1")));
        QCOMPARE(page.cells(lessee.at(2)).mid(2, 2),
                 QStringList({QStringLiteral("200000002"), QStringLiteral("ΜΙΣΘΩΤΗΣ <2>")}));

        const QList<PageElement> terms = page.rows(
            portal.browser.GetElementById(page.document, QStringLiteral("contractDetails")));
        QVERIFY(portal.browser.GetOuterHtml(terms.at(2))
                    .contains(QStringLiteral("selected=\"selected\">Επαγγελματική Μίσθωση<")));
        QCOMPARE(page.cells(terms.at(2)).mid(1),
                 QStringList({QStringLiteral("01/02/2024"), QStringLiteral("01/03/2024"),
                              QStringLiteral("28/02/2027"), QStringLiteral("1.234,50")}));
        QStringList marks;
        for (const PageElement& row : terms)
            if (portal.browser.GetOuterHtml(row).contains(QStringLiteral("\"checked\"")))
                marks << page.cells(row).first();
        QCOMPARE(marks.size(), 3);
        QVERIFY(marks.at(0).contains(QStringLiteral("Το μισθωμα")));
        QCOMPARE(page.cells(terms.last()).mid(2),
                 QStringList({QStringLiteral("55501234"), QStringLiteral("2019"),
                              QStringLiteral("Α' ΑΘΗΝΩΝ")}));

        const PageElement property =
            portal.browser.GetElementById(page.document, QStringLiteral("propertyTable0"));
        QStringList subRows;
        for (const PageElement& row : page.rows(property))
            if (portal.browser.GetClassName(row) == QLatin1String("displaySubmissionDetails1"))
                subRows << page.cells(row).join(QLatin1Char('|'));
        QCOMPARE(subRows.first(), QStringLiteral("1|Διαμέρισμα|01234567891|ΕΡΜΟΥ|11|10561"));
        QCOMPARE(subRows.last(), QStringLiteral("|617,25||1 23456789-01 1"));
        const QList<PageElement> tables = page.all(QStringLiteral("table"));
        const QList<PageElement> certificate = page.rows(tables.at(tables.indexOf(property) + 1));
        QCOMPARE(page.cells(certificate.at(0)).at(5), QStringLiteral("Ενεργειακή κατάταξη"));
        QCOMPARE(page.cells(certificate.at(1)).at(0), QStringLiteral("7654321"));
        QVERIFY(portal.browser.GetElementById(page.document, QStringLiteral("propertyTable1")));

        const QList<PageElement> notes =
            page.rows(page.tableWithRow(QStringLiteral("ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ")));
        QCOMPARE(portal.browser.GetOuterText(notes.at(3)).trimmed(),
                 QStringLiteral("Πρώτη γραμμή\nΔεύτερη γραμμή"));
        QCOMPARE(page.cells(page.rows(page.tableWithRow(QStringLiteral("ΑΠΟΔΟΧΗ ΜΙΣΘΩΤΩΝ"))).at(2))
                     .at(2),
                 QStringLiteral("11/03/2024"));
    }

    void aTemporarilySavedDeclarationShowsInputs() {
        ScriptedPortal portal;
        const BrowserWindow window =
            openDeclaration(portal, QStringLiteral("1010"), QStringLiteral("edit.png"));
        Reader page{portal.browser, portal.browser.GetDocument(window)};
        QCOMPARE(page.value(QStringLiteral("leaseholderAfm0")), QStringLiteral("200000001"));
        QCOMPARE(page.value(QStringLiteral("leaseholderName0")), QStringLiteral("ΜΙΣΘΩΤΗΣ <1>"));
        QCOMPARE(page.value(QStringLiteral("zip0")), QStringLiteral("10561"));
        QCOMPARE(page.value(QStringLiteral("plotSurfaceArea0")), QString());
        QCOMPARE(page.value(QStringLiteral("certReferenceNumber0")), QStringLiteral("7654321"));
        const QList<PageElement> terms = page.rows(
            portal.browser.GetElementById(page.document, QStringLiteral("contractDetails")));
        QVERIFY(portal.browser.GetOuterHtml(terms.at(2))
                    .contains(QStringLiteral("name=\"monthlyRent\" value=\"1.234,50\">")));
    }

    void aTerminationShowsItsDate() {
        ScriptedPortal portal;
        const BrowserWindow window =
            openDeclaration(portal, QStringLiteral("1003"), QStringLiteral("viewmag.png"));
        Reader page{portal.browser, portal.browser.GetDocument(window)};
        const QList<PageElement> terms = page.rows(
            portal.browser.GetElementById(page.document, QStringLiteral("contractDetails")));
        QCOMPARE(page.cells(terms.at(2)).at(3), QStringLiteral("31/12/2027"));
        QCOMPARE(page.cells(terms.at(3)),
                 QStringList({QStringLiteral("Ημερομηνία Λύσης"), QStringLiteral("30/06/2025")}));
    }

    void actionsAnswerOnlyWhatTheListOffers() {
        ScriptedPortal portal;
        const BrowserWindow amend =
            openDeclaration(portal, QStringLiteral("1020"), QStringLiteral("edit_add.png"));
        QVERIFY(Reader({portal.browser, portal.browser.GetDocument(amend)})
                    .bodyText()
                    .contains(QStringLiteral("ΤΡΟΠΟΠΟΙΗΤΙΚΗ ΔΗΛΩΣΗ ΤΗΣ 1020")));
        const BrowserWindow print =
            openDeclaration(portal, QStringLiteral("1020"), QStringLiteral("pdf.png"));
        QVERIFY(Reader({portal.browser, portal.browser.GetDocument(print)})
                    .bodyText()
                    .contains(QStringLiteral("Εκτύπωση δήλωσης 1020")));
        const BrowserWindow terminate =
            openDeclaration(portal, QStringLiteral("1020"), QStringLiteral("termination.png"));
        QVERIFY(Reader({portal.browser, portal.browser.GetDocument(terminate)})
                    .bodyText()
                    .contains(QStringLiteral("ΛΥΣΗ ΣΥΜΦΩΝΗΤΙΚΟΥ ΜΙΣΘΩΣΗΣ 1020")));
        QCOMPARE(portal.platform.actionsSubmitted(),
                 QStringList({QStringLiteral("amend 1020"), QStringLiteral("print 1020"),
                              QStringLiteral("terminate 1020")}));
    }
};

LETHORA_TEST_MAIN(TestFakePlatform)
#include "tst_fake_platform.moc"
