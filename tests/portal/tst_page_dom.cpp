// The document model that both browsers share, seen through the browser operations of
// the scripted browser: rendered text, HTML as the browser writes it, tables, frames,
// attributes, input values and live collections.

#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "portal/scripted/ScriptedBrowser.h"
#include "tests/portal/StaticPages.h"
#include "tests/support/TestMain.h"

namespace {
const QString kPage = QStringLiteral("https://example.gr/page.htm");

class Page {
public:
    explicit Page(const QString& html) : browser(pages) {
        setClock(&clock);
        pages.pages.insert(kPage, html);
        window = browser.OpenBrowser();
        browser.NavigateTo(window, kPage);
        clock.advance(1000);
        document = browser.GetDocument(window);
    }
    ~Page() { setClock(nullptr); }

    PageElement byId(const QString& id) { return browser.GetElementById(document, id); }
    QString text(const QString& id) { return browser.GetOuterText(byId(id)); }
    QString html(const QString& id) { return browser.GetOuterHtml(byId(id)); }

    SimulatedClock clock;
    StaticPages pages;
    ScriptedBrowser browser;
    BrowserWindow window;
    PageDocument document;
};
} // namespace

class TestPageDom : public QObject {
    Q_OBJECT
private slots:
    void renderedTextCollapsesBlanksAndDecodesEntities() {
        Page page(QStringLiteral(
            "<body><div id=\"d\">\n  a  &amp;\n b <span> c </span> d&nbsp; e\n</div></body>"));
        QCOMPARE(page.text(QStringLiteral("d")), QStringLiteral("a & b c d\u00a0 e"));
    }

    void renderedTextOfBlocksParagraphsAndBreaks() {
        Page page(QStringLiteral("<body><div id=\"d\">one<div>two</div><p>three</p>four<br>five "
                                 "<br> six<ul><li>l1</li><li>l2</li></ul></div></body>"));
        QCOMPARE(page.text(QStringLiteral("d")),
                 QStringLiteral("one\ntwo\n\nthree\n\nfour\nfive\nsix\nl1\nl2"));
    }

    void renderedTextOfTables() {
        Page page(QStringLiteral(
            "<body><table id=\"t\">\n <tr id=\"r1\">\n  <td> a </td>\n  <td>b<br>c</td>\n </tr>\n"
            " <tr><th>x</th><td></td><td>y</td></tr>\n</table></body>"));
        QCOMPARE(page.text(QStringLiteral("t")), QStringLiteral("a\tb\nc\nx\t\ty"));
        QCOMPARE(page.text(QStringLiteral("r1")), QStringLiteral("a\tb\nc"));
    }

    void renderedTextSkipsHiddenAndKeepsPreformatted() {
        Page page(QStringLiteral(
            "<head><title>T</title><style>p{}</style></head><body><div id=\"d\">"
            "<script>var x = 1;</script><input type=\"hidden\" value=\"h\"><span hidden>no</span>"
            "<span style=\"display: none\">no</span><b style=\"white-space: pre\">a   b</b>"
            "<select><option>o1</option><option selected=\"selected\">o2</option></select>"
            "</div></body>"));
        QCOMPARE(page.text(QStringLiteral("d")), QStringLiteral("a   b\no1\no2"));
    }

    void outerHtmlAsTheBrowserWritesIt() {
        Page page(QStringLiteral(
            "<body><form id=\"f\" ACTION='/x?a=1&amp;b=2' method=post>"
            "<input name=transId type=hidden value=\"12\"><input type=checkbox checked>"
            "<img src=\"a.png\" alt=\"&quot;q&quot;\"><br/>x &lt; y &amp; z&nbsp;</form></body>"));
        QCOMPARE(page.html(QStringLiteral("f")),
                 QStringLiteral(
                     "<form id=\"f\" action=\"/x?a=1&amp;b=2\" method=\"post\">"
                     "<input name=\"transId\" type=\"hidden\" value=\"12\">"
                     "<input type=\"checkbox\" checked=\"\">"
                     "<img src=\"a.png\" alt=\"&quot;q&quot;\"><br>x &lt; y &amp; z&nbsp;</form>"));
        QCOMPARE(page.browser.GetInnerHtml(page.byId(QStringLiteral("f"))).left(6),
                 QStringLiteral("<input"));
    }

    void attributesIgnoreTheNameCase() {
        Page page(QStringLiteral(
            "<body><input id=\"i\" TYPE=\"SUBMIT\" Name=\"btn_login\" class=\"a b\"></body>"));
        const PageElement input = page.byId(QStringLiteral("i"));
        QCOMPARE(page.browser.GetAttribute(input, QStringLiteral("Type")),
                 QStringLiteral("SUBMIT"));
        QCOMPARE(page.browser.GetAttribute(input, QStringLiteral("NAME")),
                 QStringLiteral("btn_login"));
        QCOMPARE(page.browser.GetAttribute(input, QStringLiteral("missing")), QString());
        QCOMPARE(page.browser.GetClassName(input), QStringLiteral("a b"));
        QCOMPARE(page.browser.GetId(page.browser.GetBody(page.document)), QString());
        QVERIFY(!page.byId(QStringLiteral("nothing")));
    }

    void rowsComeHeadFirstAndSkipNestedTables() {
        Page page(QStringLiteral(
            "<body><table id=\"t\"><tfoot><tr><td>foot</td></tr></tfoot>"
            "<tbody><tr><td>body<table><tr><td>inner</td></tr></table></td><td>2</td></tr></tbody>"
            "<thead><tr><th>head</th></tr></thead></table></body>"));
        BrowserOps& b = page.browser;
        const ElementCollection rows = b.GetRows(page.byId(QStringLiteral("t")));
        QCOMPARE(b.Count(rows), 3);
        QCOMPARE(b.GetOuterText(b.Item(rows, 0)), QStringLiteral("head"));
        QCOMPARE(b.GetOuterText(b.Item(rows, 2)), QStringLiteral("foot"));
        QCOMPARE(b.Count(b.GetCells(b.Item(rows, 1))), 2);
        QVERIFY_THROWS_EXCEPTION(AppError, b.Item(rows, 3));
        const ElementCollection tables =
            b.GetElementsByTagName(b.GetBody(page.document), QStringLiteral("TABLE"));
        QCOMPARE(b.Count(tables), 2);
    }

    void inputValuesStartFromTheMarkupAndFollowWrites() {
        Page page(QStringLiteral(
            "<body><input id=\"t\" value=\"typed\"><textarea id=\"a\">area</textarea>"
            "<select id=\"s\"><option value=\"1\">one</option><option "
            "selected=\"selected\">two</option></select>"
            "<div id=\"d\">x</div></body>"));
        BrowserOps& b = page.browser;
        QCOMPARE(b.GetInputValue(page.byId(QStringLiteral("t"))), QStringLiteral("typed"));
        QCOMPARE(b.GetInputValue(page.byId(QStringLiteral("a"))), QStringLiteral("area"));
        QCOMPARE(b.GetInputValue(page.byId(QStringLiteral("s"))), QStringLiteral("two"));
        b.SetInputValue(page.byId(QStringLiteral("t")), QStringLiteral("νέο"));
        QCOMPARE(b.GetInputValue(page.byId(QStringLiteral("t"))), QStringLiteral("νέο"));
        QVERIFY_THROWS_EXCEPTION(
            AppError, b.SetInputValue(page.byId(QStringLiteral("d")), QStringLiteral("x")));
    }

    void collectionsFollowAReplacedElement() {
        Page page(QStringLiteral(
            "<body><div><form id=\"f1\" action=\"a\"></form><form id=\"f2\"></form></div></body>"));
        BrowserOps& b = page.browser;
        const ElementCollection forms =
            b.GetElementsByTagName(b.GetBody(page.document), QStringLiteral("FORM"));
        const PageElement old = b.Item(forms, 0);
        b.SetOuterHtml(old,
                       QStringLiteral("<form id=\"f1\" target=\"_blank\" action=\"a\"></form>"));
        QCOMPARE(b.Count(forms), 2);
        QCOMPARE(b.GetAttribute(b.Item(forms, 0), QStringLiteral("target")),
                 QStringLiteral("_blank"));
        QCOMPARE(b.GetAttribute(old, QStringLiteral("target")), QString());
        QCOMPARE(b.GetAttribute(b.Item(forms, 1), QStringLiteral("id")), QStringLiteral("f2"));
    }

    void framesOfTheSameSiteAreDocumentsOfTheirOwn() {
        Page page(QStringLiteral(
            "<frameset><frame src=\"/top.htm\"><frame src=\"https://other.gr/x.htm\">"
            "<frame></frameset>"));
        page.pages.pages.insert(QStringLiteral("https://example.gr/top.htm"),
                                QStringLiteral("<body><b id=\"in\">μέσα</b></body>"));
        page.browser.NavigateTo(page.window, kPage);
        page.clock.advance(1000);
        page.document = page.browser.GetDocument(page.window);
        const QList<PageDocument> frames = page.browser.GetFrames(page.document);
        QCOMPARE(frames.size(), 3);
        QCOMPARE(page.browser.GetOuterText(
                     page.browser.GetElementById(frames.at(0), QStringLiteral("in"))),
                 QStringLiteral("μέσα"));
        QVERIFY(!frames.at(1));
        QVERIFY(frames.at(2));
        QVERIFY(!page.byId(QStringLiteral("in")));
    }

    // A page nested 100,000 levels deep is parsed into the tree and written back whole.
    void deepNestingIsReadAndWrittenBack() {
        const int depth = 100000;
        const QString nested = QStringLiteral("<div id=\"top\">") +
                               QStringLiteral("<span>").repeated(depth) +
                               QStringLiteral("<b id=\"deep\">βάθος</b>") +
                               QStringLiteral("</span>").repeated(depth) + QStringLiteral("</div>");
        Page page(QStringLiteral("<html><body>") + nested + QStringLiteral("</body></html>"));
        QCOMPARE(page.html(QStringLiteral("deep")), QStringLiteral("<b id=\"deep\">βάθος</b>"));
        QCOMPARE(page.html(QStringLiteral("top")), nested);
        QCOMPARE(page.text(QStringLiteral("top")), QStringLiteral("βάθος"));
    }
};

LETHORA_TEST_MAIN(TestPageDom)
#include "tst_page_dom.moc"
