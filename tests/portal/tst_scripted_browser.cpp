// The scripted browser as the portal logic sees a browser: loading that takes time on
// the clock, redirects and cookies per browser, forms that send their fields with the
// button that submitted them, new windows for a "_blank" target, close requests and
// writes refused once the page has gone.

#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "portal/scripted/ScriptedBrowser.h"
#include "tests/portal/StaticPages.h"
#include "tests/support/TestMain.h"

using Fields = QList<QPair<QString, QString>>;

namespace {
const QString kSite = QStringLiteral("https://example.gr");

// Remembers a cookie on the first visit and shows back the cookie it received.
class CookiePages : public PageSource {
public:
    PageAnswer answer(const PageRequest& request) override {
        PageAnswer answer;
        if (request.url.path() == QLatin1String("/go")) {
            answer.status = 302;
            answer.location = QUrl(QStringLiteral("/seen"));
            answer.setCookies.insert(QStringLiteral("id"),
                                     QStringLiteral("v") + QString::number(++visits));
            return answer;
        }
        answer.html = QStringLiteral("<body><p id=\"c\">%1</p></body>")
                          .arg(request.cookies.value(QStringLiteral("id")));
        return answer;
    }
    int visits = 0;
};

struct Browser {
    explicit Browser(PageSource& source) : browser(source) { setClock(&clock); }
    ~Browser() { setClock(nullptr); }

    // Lets time pass and looks at the windows, as the portal logic's waits do.
    void wait(int ms) {
        clock.advance(ms);
        browser.ListBrowserWindows();
    }
    PageElement element(const BrowserWindow& window, const QString& id) {
        return browser.GetElementById(browser.GetDocument(window), id);
    }
    // The element whose name or id is the given one.
    PageElement named(const BrowserWindow& window, const QString& name) {
        const ElementCollection all = browser.GetAllElements(browser.GetDocument(window));
        for (int i = 0; i < browser.Count(all); ++i) {
            const PageElement element = browser.Item(all, i);
            if (browser.GetAttribute(element, QStringLiteral("name")) == name ||
                browser.GetAttribute(element, QStringLiteral("id")) == name)
                return element;
        }
        return {};
    }
    PageElement form(const BrowserWindow& window, int index) {
        const PageDocument document = browser.GetDocument(window);
        return browser.Item(
            browser.GetElementsByTagName(browser.GetBody(document), QStringLiteral("form")), index);
    }

    SimulatedClock clock;
    ScriptedBrowser browser;
};

const QString kForms = QStringLiteral(R"(<body>
<form id="post" action="/submit" method="post">
  <input type="hidden" name="transId" value="42">
  <input type="text" name="typed" value="a b">
  <input type="checkbox" name="on" checked="checked"><input type="checkbox" name="off">
  <select name="choice"><option value="1">one</option><option value="2" selected="selected">two</option></select>
  <input type="image" name="btn_view" src="viewmag.png">
  <input type="submit" name="second" value="Δεύτερο">
</form>
<form action="/find" method="get"><input type="text" name="q" value="ΑΦΜ 1"></form>
<form action="/new" method="post" target="_blank"><input type="hidden" name="x" value="1"></form>
<a id="link" href="/linked.htm">σύνδεσμος</a>
</body>)");
} // namespace

class TestScriptedBrowser : public QObject {
    Q_OBJECT
private slots:
    void aPageAppearsOnlyAfterItsLoadingTime() {
        StaticPages pages;
        pages.pages.insert(kSite + QStringLiteral("/a.htm"), QStringLiteral("<body>a</body>"));
        Browser b(pages);
        const BrowserWindow window = b.browser.OpenBrowser();
        QCOMPARE(b.browser.GetLocationUrl(window), QString());
        QVERIFY(!b.browser.GetDocument(window));
        b.browser.NavigateTo(window, kSite + QStringLiteral("/a.htm"));
        b.clock.advance(199);
        QCOMPARE(b.browser.GetLocationUrl(window), QString());
        b.clock.advance(1);
        QCOMPARE(b.browser.GetLocationUrl(window), kSite + QStringLiteral("/a.htm"));
        QVERIFY(b.browser.GetDocument(window));
    }

    void redirectsAreFollowedAndCookiesKeptPerBrowser() {
        CookiePages pages;
        Browser b(pages);
        const BrowserWindow first = b.browser.OpenBrowser();
        const BrowserWindow second = b.browser.OpenBrowser();
        b.browser.NavigateTo(first, kSite + QStringLiteral("/go"));
        b.browser.NavigateTo(second, kSite + QStringLiteral("/go"));
        b.wait(500);
        QCOMPARE(b.browser.GetLocationUrl(first), kSite + QStringLiteral("/seen"));
        QCOMPARE(b.browser.GetOuterText(b.element(first, QStringLiteral("c"))),
                 QStringLiteral("v1"));
        QCOMPARE(b.browser.GetOuterText(b.element(second, QStringLiteral("c"))),
                 QStringLiteral("v2"));
        // A window opened by hand in the first browser shares its cookies.
        const BrowserWindow byHand =
            b.browser.openWindowByHand(first, kSite + QStringLiteral("/seen"));
        b.wait(500);
        QCOMPARE(b.browser.GetOuterText(b.element(byHand, QStringLiteral("c"))),
                 QStringLiteral("v1"));
        QCOMPARE(b.browser.ListBrowserWindows().size(), 3);
    }

    // What a form or a link of the forms page sends, and which window shows the answer.
    void aFormOrALinkSendsItsRequest_data() {
        QTest::addColumn<int>("submittedForm"); // -1: an element is clicked instead
        QTest::addColumn<QString>("clicked");   // the name or id of the clicked element
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("address");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<bool>("newWindow");

        const Fields formFields = {{QStringLiteral("transId"), QStringLiteral("42")},
                                   {QStringLiteral("typed"), QStringLiteral("a b")},
                                   {QStringLiteral("on"), QStringLiteral("on")},
                                   {QStringLiteral("choice"), QStringLiteral("2")}};
        const QString submit = kSite + QStringLiteral("/submit");
        QTest::newRow("a submitted form sends the first submit button")
            << 0 << QString() << "POST" << submit
            << formFields + Fields{{QStringLiteral("btn_view.x"), QStringLiteral("0")},
                                   {QStringLiteral("btn_view.y"), QStringLiteral("0")}}
            << false;
        QTest::newRow("a clicked button sends itself")
            << -1 << "second"
            << "POST" << submit
            << formFields + Fields{{QStringLiteral("second"), QStringLiteral("Δεύτερο")}} << false;
        QTest::newRow("a GET form puts its fields in the address")
            << 1 << QString() << "GET" << kSite + QStringLiteral("/find?q=ΑΦΜ 1") << Fields()
            << false;
        QTest::newRow("a blank target opens a window in the same browser")
            << 2 << QString() << "POST" << kSite + QStringLiteral("/new")
            << Fields{{QStringLiteral("x"), QStringLiteral("1")}} << true;
        QTest::newRow("a link navigates its window")
            << -1 << "link"
            << "GET" << kSite + QStringLiteral("/linked.htm") << Fields() << false;
    }

    void aFormOrALinkSendsItsRequest() {
        QFETCH(int, submittedForm);
        QFETCH(QString, clicked);
        QFETCH(QString, method);
        QFETCH(QString, address);
        QFETCH(Fields, fields);
        QFETCH(bool, newWindow);
        StaticPages pages;
        const QString formsPage = kSite + QStringLiteral("/forms.htm");
        pages.pages.insert(formsPage, kForms);
        pages.pages.insert(kSite + QStringLiteral("/new"), QStringLiteral("<body>νέο</body>"));
        Browser b(pages);
        const BrowserWindow window = b.browser.OpenBrowser();
        b.browser.NavigateTo(window, formsPage);
        b.wait(500);

        if (submittedForm >= 0)
            b.browser.Submit(b.form(window, submittedForm));
        else
            b.browser.Click(b.named(window, clicked));
        const int windows = newWindow ? 2 : 1;
        QCOMPARE(b.browser.ListBrowserWindows().size(), windows);
        const BrowserWindow answering = b.browser.ListBrowserWindows().constLast();
        // The answer appears only after its loading time.
        QCOMPARE(b.browser.GetLocationUrl(answering), newWindow ? QString() : formsPage);
        b.wait(500);

        const PageRequest sent = pages.received.last();
        QCOMPARE(sent.method, method);
        QCOMPARE(sent.url, QUrl(address));
        QCOMPARE(sent.fields, fields);
        QCOMPARE(b.browser.ListBrowserWindows().size(), windows);
        QCOMPARE(QUrl(b.browser.GetLocationUrl(b.browser.ListBrowserWindows().constLast())),
                 QUrl(address));
        if (newWindow) {
            QCOMPARE(b.browser.GetLocationUrl(window), formsPage);
            QVERIFY(b.browser.state(b.browser.GetWindowHandle(answering)).visible);
        }
    }

    void aCloseRequestTakesEffectLaterAndQuitAtOnce() {
        StaticPages pages;
        Browser b(pages);
        const BrowserWindow first = b.browser.OpenBrowser();
        const BrowserWindow second = b.browser.OpenBrowser();
        const WindowHandle handle = b.browser.GetWindowHandle(first);
        QVERIFY(handle >= 1);
        QVERIFY(b.browser.GetWindowHandle(second) != handle);
        b.browser.RequestWindowClose(handle);
        QCOMPARE(b.browser.ListBrowserWindows().size(), 2);
        b.clock.advance(100);
        QCOMPARE(b.browser.ListBrowserWindows().size(), 1);
        b.browser.QuitBrowser(second);
        QVERIFY(b.browser.ListBrowserWindows().isEmpty());
        QVERIFY_THROWS_EXCEPTION(AppError, b.browser.QuitBrowser(second));
        QVERIFY_THROWS_EXCEPTION(AppError, b.browser.NavigateTo(second, kSite));
        b.browser.BringToFront(handle); // a window that is gone is passed over
        QVERIFY(b.browser.broughtToFront().isEmpty());
    }

    void writesToAPageThatHasGoneAreRefused() {
        StaticPages pages;
        pages.pages.insert(kSite + QStringLiteral("/forms.htm"), kForms);
        Browser b(pages);
        const BrowserWindow window = b.browser.OpenBrowser();
        b.browser.NavigateTo(window, kSite + QStringLiteral("/forms.htm"));
        b.wait(500);
        const PageElement form = b.form(window, 0);
        b.browser.NavigateTo(window, kSite + QStringLiteral("/forms.htm"));
        b.wait(500);
        QVERIFY_THROWS_EXCEPTION(AppError, b.browser.Submit(form));
        QCOMPARE(b.browser.GetAttribute(form, QStringLiteral("id")), QStringLiteral("post"));
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 b.browser.Submit(b.element(window, QStringLiteral("link"))));
    }
};

LETHORA_TEST_MAIN(TestScriptedBrowser)
#include "tst_scripted_browser.moc"
