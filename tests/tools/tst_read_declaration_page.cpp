// The command-line page reader over stored pages of the fake platform: through the real
// headless Chromium and through the scripted browser it prints the same columns, and
// those are the register's values where the row layout puts them. Wrong arguments and
// unreadable files are refused.

#include "tests/portal/ExpectedDeclarationRow.h"
#include "tests/portal/SampleRegister.h"
#include "tests/support/TestMain.h"
#include "tests/support/ToolRun.h"
#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/registergen/RegisterGenerator.h"

#include <QTemporaryDir>
#include <functional>

namespace {
ToolRun readPage(const QStringList& arguments) {
    return runTool(QStringLiteral(READ_DECLARATION_PAGE), arguments);
}

// The lines the tool must print for the submission read as expected.
QString expectedOutput(const PlatformSubmission& submission) {
    QMap<int, QString> row = ExpectedDeclarationRow::of(submission);
    row.insert(StagingColumn::Stage, submission.stage);
    row.insert(StagingColumn::Kind, submission.kind);
    row.insert(StagingColumn::Number, submission.number);
    QString out;
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        if (!it.value().isEmpty())
            out += QString::number(it.key()) + QLatin1Char('\t') +
                   QString(it.value()).replace(QLatin1Char('\n'), QStringLiteral("\\n")) +
                   QLatin1Char('\n');
    return out;
}

// The first submission that fits, from the shared sample register and a generated one.
PlatformSubmission pick(const std::function<bool(const PlatformSubmission&)>& fits) {
    static const QList<PlatformSubmission> submissions =
        platformSubmissions(SampleRegister::shared()) +
        platformSubmissions(generateRegister(SampleRegister::kOwnerAfm, 30, 14));
    for (const PlatformSubmission& submission : submissions)
        if (fits(submission))
            return submission;
    return {};
}

bool hasCertificate(const PlatformSubmission& submission) {
    for (const QVariantMap& property : submission.properties)
        if (!property.value(QStringLiteral("CertNum")).toString().isEmpty())
            return true;
    return false;
}
} // namespace

Q_DECLARE_METATYPE(PlatformSubmission)

class TestReadDeclarationPage : public QObject {
    Q_OBJECT
private slots:
    void bothBrowsersPrintTheRegistersColumns_data() {
        QTest::addColumn<PlatformSubmission>("submission");
        const QList<std::pair<const char*, std::function<bool(const PlatformSubmission&)>>> kinds =
            {{"sample initial, escaped names, two-line notes",
              [](const PlatformSubmission& s) { return s.number == QLatin1String("1001"); }},
             {"initial with a certificate, 5 lessees",
              [](const PlatformSubmission& s) {
                  return s.amends.isEmpty() && !s.isTemporarilySaved() && hasCertificate(s) &&
                         !s.values.value(QStringLiteral("MistAA5")).toString().isEmpty();
              }},
             {"amending",
              [](const PlatformSubmission& s) {
                  return s.kind == RegisterWords::kAmending && !s.isTemporarilySaved();
              }},
             {"termination", [](const PlatformSubmission& s) { return s.isTermination(); }},
             {"temporarily saved initial with a certificate",
              [](const PlatformSubmission& s) {
                  return s.isTemporarilySaved() && s.amends.isEmpty() && hasCertificate(s);
              }},
             {"temporarily saved amending", [](const PlatformSubmission& s) {
                  return s.isTemporarilySaved() && !s.amends.isEmpty();
              }}};
        for (const auto& [name, fits] : kinds) {
            const PlatformSubmission submission = pick(fits);
            QVERIFY2(!submission.number.isEmpty(), name);
            QTest::newRow(name) << submission;
        }
    }
    void bothBrowsersPrintTheRegistersColumns() {
        QFETCH(PlatformSubmission, submission);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("details.html"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(DeclarationPage::page(submission, QStringLiteral("Χρήστης: owner")).toUtf8());
        file.close();
        const QStringList arguments = {path, submission.number, submission.stage, submission.kind};

        const ToolRun scripted = readPage(QStringList{QStringLiteral("--scripted")} + arguments);
        QCOMPARE(scripted.exitCode, 0);
        QCOMPARE(scripted.err, QString());
        QCOMPARE(scripted.out, expectedOutput(submission));
        const ToolRun chromium = readPage(arguments);
        QCOMPARE(chromium.err, QString());
        QCOMPARE(chromium.exitCode, 0);
        QCOMPARE(chromium.out, scripted.out);
    }

    // Markup the platform's pages may carry around the values: entities, blanks that
    // collapse, line breaks, paragraphs, blocks, lists, preformatted and hidden text,
    // lists of options, cells and rows without end tags.
    void handWrittenMarkupReadsAlikeInBothBrowsers() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("edited.html"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"(<html><body><table><tr><td>  ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ
ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ με Αριθμ.&nbsp;500 - Αρχική</td></tr></table>
<table><tr><td>ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ</td></tr><tr><th>x</th></tr>
<tr><td>1</td><td>&nbsp;0123&nbsp;</td><td>Α &amp; Β<br>  δεύτερη   γραμμή </td>
<td><b>50</b>,<i>00</i></td><td><span style="display:none">κρυφό</span>ορατό</td><td>x</td></tr>
<tr><td>2<td>  a&#9;b  <td><p>παρ1</p><p>παρ2</p><td><div>d1</div><div>d2</div>
<td><select><option>o1</option><option selected>o2</option></select><td></tr></table>
<table id="propertyTable0"><tr class="displaySubmissionDetails1"><td> 1 </td><td>&lt;x&gt;</td>
<td><input value="v"></td><td>a<br><br>b</td><td><pre>  p  q </pre></td><td>  </td></tr></table>
<table><tr><td>ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ</td></tr><tr><td></td></tr><tr><td>Σημειώσεις</td></tr>
<tr><td>  γρ1 <br/>
 γρ2 &nbsp; τέλος <ul><li>ένα</li><li>δύο</li></ul></td></tr></table></body></html>)")
                       .toUtf8());
        file.close();
        const QStringList arguments = {path, QStringLiteral("500"), QStringLiteral("Υποβεβλημένο"),
                                       QStringLiteral("Αρχική")};
        const ToolRun scripted = readPage(QStringList{QStringLiteral("--scripted")} + arguments);
        QCOMPARE(scripted.exitCode, 0);
        QVERIFY(scripted.out.contains(QStringLiteral("\n12\t0123\n")));
        QVERIFY(scripted.out.contains(QStringLiteral("\n13\tΑ & Β\\nδεύτερη γραμμή\n")));
        QVERIFY(scripted.out.contains(QStringLiteral("\n105\t  p  q \n")));
        const ToolRun chromium = readPage(arguments);
        QCOMPARE(chromium.exitCode, 0);
        QCOMPARE(chromium.out, scripted.out);
    }

    void anotherDeclarationsPageIsReportedAndNotRead() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("other.html"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(DeclarationPage::page(pick([](const PlatformSubmission& s) {
                                             return s.number == QLatin1String("1020");
                                         }),
                                         QString())
                       .toUtf8());
        file.close();
        for (const QStringList& mode : {QStringList{QStringLiteral("--scripted")}, QStringList{}}) {
            const ToolRun run = readPage(mode + QStringList{path, QStringLiteral("123"),
                                                            QStringLiteral("Υποβεβλημένο"),
                                                            QStringLiteral("Αρχική")});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(
                run.err.startsWith(QStringLiteral("Πρόβλημα στη δήλωση με αριθμό 123(1020)\n")),
                qPrintable(run.err));
            QCOMPARE(run.out, QString());
        }
    }

    void wrongArgumentsAndUnreadableFilesAreRefused() {
        ToolRun run = readPage({QStringLiteral("--scripted"), QStringLiteral("a.html")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("χρήση: read-declaration-page")));
        QCOMPARE(run.out, QString());
        run = readPage({QStringLiteral("--other"), QStringLiteral("a"), QStringLiteral("1"),
                        QStringLiteral("x"), QStringLiteral("y")});
        QCOMPARE(run.exitCode, 2);
        run = readPage({QStringLiteral("--scripted"), QStringLiteral("/nonexistent/page.html"),
                        QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("y")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith(QStringLiteral("Δεν διαβάζεται το αρχείο")));
    }
};

LETHORA_TEST_MAIN(TestReadDeclarationPage)
#include "tst_read_declaration_page.moc"
