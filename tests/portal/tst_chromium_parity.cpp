// The same pages of the fake platform read through the real Chromium and through the
// scripted browser must look alike to the portal logic: for every element the rendered
// text, the HTML, the id, the class and the input value, and for every table its rows
// and cells.

#include "portal/PortalActions.h"
#include "portal/scripted/ScriptedBrowser.h"
#include "tests/portal/ChromiumPortal.h"
#include "tests/support/TestMain.h"
#include "tools/registergen/RegisterGenerator.h"

namespace {
// What the portal logic can see of one element.
QStringList elementView(BrowserOps& b, const PageElement& element) {
    QStringList view = {b.GetOuterHtml(element), b.GetOuterText(element), b.GetId(element),
                        b.GetClassName(element), b.GetInputValue(element)};
    if (b.GetOuterHtml(element).startsWith(QStringLiteral("<table"))) {
        const ElementCollection rows = b.GetRows(element);
        QStringList cells;
        for (int i = 0; i < b.Count(rows); ++i)
            cells << QString::number(b.Count(b.GetCells(b.Item(rows, i))));
        view << cells.join(QLatin1Char(','));
    }
    return view;
}

QList<QStringList> pageView(BrowserOps& b, const PageDocument& document) {
    QList<QStringList> views;
    const ElementCollection all = b.GetAllElements(document);
    for (int i = 0; i < b.Count(all); ++i)
        views << elementView(b, b.Item(all, i));
    return views;
}

const char* const kFields[] = {"html", "text", "id", "class", "value", "cells"};

// The first differences, for the failure report.
QString differences(const QList<QStringList>& chromium, const QList<QStringList>& scripted) {
    QStringList found;
    for (qsizetype i = 0; i < qMin(chromium.size(), scripted.size()) && found.size() < 4; ++i)
        for (qsizetype f = 0; f < chromium.at(i).size(); ++f)
            if (f >= scripted.at(i).size() || chromium.at(i).at(f) != scripted.at(i).at(f))
                found << QStringLiteral("element %1 %2:\n  chromium: %3\n  scripted: %4")
                             .arg(i)
                             .arg(QLatin1String(kFields[f]))
                             .arg(chromium.at(i).at(f).left(300).toHtmlEscaped(),
                                  scripted.at(i).value(f).left(300).toHtmlEscaped());
    if (chromium.size() != scripted.size())
        found << QStringLiteral("%1 elements in Chromium, %2 in the scripted browser")
                     .arg(chromium.size())
                     .arg(scripted.size());
    return found.join(QLatin1Char('\n'));
}

// Opens the declaration's form of the action in the list window itself.
PageDocument openInPlace(BrowserOps& b, const BrowserWindow& window, const QString& number,
                         DeclarationAction action) {
    const PageDocument list =
        ChromiumPortal::waitFor(b, window, PortalAddresses::submissionDetailsPage());
    const ElementCollection forms = b.GetElementsByTagName(b.GetBody(list), QStringLiteral("FORM"));
    for (int i = 0; i < b.Count(forms); ++i) {
        const QString html = b.GetOuterHtml(b.Item(forms, i));
        if (!isActionForm(html, number, action))
            continue;
        if (html.contains(QStringLiteral(" target=\"_blank\"")))
            b.SetOuterHtml(b.Item(forms, i),
                           QString(html).remove(QStringLiteral(" target=\"_blank\"")));
        b.Submit(b.Item(forms, i));
        break;
    }
    // The answer's page, once the window has left the list.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        if (!b.GetLocationUrl(window).contains(PortalAddresses::submissionDetailsPage()))
            if (const PageDocument document = b.GetDocument(window))
                return document;
        PumpWait(20);
    }
    return {};
}

// Opens a page in the browser; the owner's signed-in window is made at the first need
// and kept, so that one Chromium session serves every page.
using PageOpener = std::function<PageDocument(BrowserOps&, BrowserWindow& owner)>;

BrowserWindow signedIn(BrowserOps& b, BrowserWindow& owner, const QString& page) {
    if (!owner)
        owner = ChromiumPortal::signIn(b, PortalAddresses::consolePage());
    if (!b.GetLocationUrl(owner).contains(page))
        b.NavigateTo(owner, page);
    return owner;
}

PageOpener declarationPage(const QString& number, DeclarationAction action) {
    return [=](BrowserOps& b, BrowserWindow& owner) {
        return openInPlace(b, signedIn(b, owner, PortalAddresses::submissionDetailsPage()), number,
                           action);
    };
}
} // namespace

class TestChromiumParity : public QObject {
    Q_OBJECT

    std::unique_ptr<ChromiumPortal> portal;

    BrowserWindow chromiumOwner;

    void compare(const PageOpener& open) {
        const QList<QStringList> chromium =
            pageView(*portal->browser, open(*portal->browser, chromiumOwner));

        SimulatedClock clock;
        setClock(&clock);
        ScriptedBrowser scripted(*portal->platform);
        BrowserWindow scriptedOwner;
        const QList<QStringList> inProcess = pageView(scripted, open(scripted, scriptedOwner));
        setClock(nullptr);

        QVERIFY(chromium.size() > 20);
        QVERIFY2(chromium == inProcess, qPrintable(differences(chromium, inProcess)));
    }

private slots:
    void initTestCase() {
        FakeOwner owner = SampleRegister::owner();
        owner.representativeUserName = QStringLiteral("logistis");
        owner.representativePassword = QStringLiteral("pass2");
        // A generated register brings the variety of real texts: notes of several lines,
        // names with marks, empty fields.
        const FakeOwner generated =
            SampleRegister::owner(generateRegister(SampleRegister::kOtherAfm, 12, 5),
                                  QStringLiteral("gen"), QStringLiteral("gen"));
        portal = std::make_unique<ChromiumPortal>(QList<FakeOwner>{owner, generated});
    }
    void cleanupTestCase() { portal.reset(); }

    void signOnPage() {
        compare([](BrowserOps& b, BrowserWindow&) {
            const BrowserWindow window = b.OpenBrowser();
            b.NavigateTo(window, PortalAddresses::consolePage());
            return ChromiumPortal::waitFor(b, window, PortalAddresses::signOnBase());
        });
    }
    void consolePage() {
        compare([](BrowserOps& b, BrowserWindow& owner) {
            const BrowserWindow window = signedIn(b, owner, PortalAddresses::consolePage());
            return ChromiumPortal::waitFor(b, window, PortalAddresses::consolePage());
        });
    }
    void roleChoicePage() {
        compare([](BrowserOps& b, BrowserWindow&) {
            return b.GetDocument(ChromiumPortal::signIn(b, PortalAddresses::consolePage(),
                                                        QStringLiteral("logistis"),
                                                        QStringLiteral("pass2")));
        });
    }
    void submissionList() {
        compare([](BrowserOps& b, BrowserWindow& owner) {
            const BrowserWindow window =
                signedIn(b, owner, PortalAddresses::submissionDetailsPage());
            return ChromiumPortal::waitFor(b, window, PortalAddresses::submissionDetailsPage());
        });
    }
    void submittedDeclaration() {
        compare(declarationPage(QStringLiteral("1001"), DeclarationAction::ViewOrEdit));
    }
    void temporarilySavedDeclaration() {
        compare(declarationPage(QStringLiteral("1010"), DeclarationAction::ViewOrEdit));
    }
    void termination() {
        compare(declarationPage(QStringLiteral("1003"), DeclarationAction::ViewOrEdit));
    }
    void amendingDeclaration() {
        compare(declarationPage(QStringLiteral("1020"), DeclarationAction::Amend));
    }
    void generatedRegister() {
        const RegisterDataSet& data = portal->platform->owners().at(1).data;
        QString busiest;
        qsizetype most = -1;
        for (const QVariantMap& declaration : data.declarations) {
            const QString number = declaration.value(QStringLiteral("DilCode")).toString();
            qsizetype properties = 0;
            for (const QVariantMap& property : data.properties)
                properties += property.value(QStringLiteral("DilCode")).toString() == number;
            if (properties > most &&
                declaration.value(QStringLiteral("StadioYpovolis")).toString() !=
                    QStringLiteral("Προσωρινά Αποθηκευμένο")) {
                most = properties;
                busiest = number;
            }
        }
        PageOpener open = [&](BrowserOps& b, BrowserWindow&) {
            const BrowserWindow window =
                ChromiumPortal::signIn(b, PortalAddresses::submissionDetailsPage(),
                                       QStringLiteral("gen"), QStringLiteral("gen"));
            return openInPlace(b, window, busiest, DeclarationAction::ViewOrEdit);
        };
        compare(open);
    }
    void longTextsOfAPageThatHasGoneAreWorkedOut() {
        // The snapshot leaves out long texts and asks the page for them; once the window
        // shows another page they are worked out from the snapshot instead.
        compare([](BrowserOps& b, BrowserWindow& owner) {
            const PageDocument details =
                openInPlace(b, signedIn(b, owner, PortalAddresses::submissionDetailsPage()),
                            QStringLiteral("1001"), DeclarationAction::ViewOrEdit);
            b.GetBody(details);
            b.NavigateTo(owner, PortalAddresses::consolePage());
            ChromiumPortal::waitFor(b, owner, PortalAddresses::consolePage());
            return details;
        });
    }
    void printPage() { compare(declarationPage(QStringLiteral("1020"), DeclarationAction::Print)); }
};

LETHORA_TEST_MAIN(TestChromiumParity)
#include "tst_chromium_parity.moc"
