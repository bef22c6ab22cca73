#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/fakeplatform/PageHtml.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {
const int kParties = 5;

QString numbered(const char* name, int k) {
    return QString::fromLatin1(name) + QString::number(k);
}

QString shown(const PlatformSubmission& submission, const QString& field) {
    return PageHtml::text(submission.values.value(field));
}

bool isYes(const QVariant& value) {
    return value.toString() == QStringLiteral("ΝΑΙ");
}

// The parties present, in order: lessors by EkmAA, lessees by MistAA.
QList<int> partiesOf(const PlatformSubmission& submission, const char* sequenceField) {
    QList<int> present;
    for (int k = 1; k <= kParties; ++k)
        if (!submission.values.value(numbered(sequenceField, k)).toString().isEmpty())
            present.append(k);
    return present;
}

QString lesseeValue(const PlatformSubmission& submission, const char* field, int k, int index,
                    const char* inputId) {
    const QString value = shown(submission, numbered(field, k));
    if (!submission.isTemporarilySaved() || index != 0)
        return value;
    return QStringLiteral(
               "<input type=\"text\" id=\"%1\" name=\"leaseholders[0].%2\" value=\"%3\">")
        .arg(QString::fromLatin1(inputId), QString::fromLatin1(field),
             submission.values.value(numbered(field, k)).toString().toHtmlEscaped());
}

QString acceptanceTable(const PlatformSubmission& submission, const QString& title,
                        const char* sequenceField, const char* nameField, const char* dateField,
                        const char* checkField) {
    QString rows;
    for (const int k : partiesOf(submission, sequenceField))
        rows +=
            QStringLiteral(R"(
  <tr>
    <td>%1</td>
    <td>%2</td>
    <td>%3</td>
    <td>%4</td>
  </tr>)")
                .arg(shown(submission, numbered(sequenceField, k)),
                     shown(submission, numbered(nameField, k)),
                     shown(submission, numbered(dateField, k)),
                     PageHtml::checkBox(numbered(checkField, k),
                                        isYes(submission.values.value(numbered(checkField, k)))));
    return QStringLiteral(R"(
<table class="displaySubmissionDetails" width="100%">
  <tr><td colspan="4" class="sectionTitle">%1</td></tr>
  <tr class="heading"><th>Α/Α</th><th>Ονοματεπώνυμο / Επωνυμία</th><th>Ημερομηνία Αποδοχής</th><th>Αποδοχή</th></tr>%2
</table>)")
        .arg(title, rows);
}
} // namespace

QString DeclarationPage::lessors(const PlatformSubmission& submission) {
    QString rows;
    for (const int k : partiesOf(submission, "EkmAA"))
        rows += QStringLiteral(R"(
  <tr>
    <td>%1</td>
    <td>%2</td>
    <td>%3</td>
    <td>%4</td>
    <td>%5</td>
    <td><a href="#" title="Στοιχεία επικοινωνίας">&#9993;</a></td>
  </tr>)")
                    .arg(shown(submission, numbered("EkmAA", k)),
                         shown(submission, numbered("EkmAFM", k)),
                         shown(submission, numbered("EkmName", k)),
                         shown(submission, numbered("EkmPososto", k)),
                         shown(submission, numbered("EkmIdiotita", k)));
    return QStringLiteral(R"(
<table class="displaySubmissionDetails" width="100%">
  <tr><td colspan="6" class="sectionTitle">ΣΤΟΙΧΕΙΑ ΕΚΜΙΣΘΩΤΩΝ</td></tr>
  <tr class="heading">
    <th>Α/Α</th><th>Α.Φ.Μ.</th><th>Ονοματεπώνυμο / Επωνυμία</th>
    <th>Ποσοστό Συνιδιοκτησίας (%)</th><th>Τύπος Δικαιώματος</th><th>&nbsp;</th>
  </tr>%1
  <tr><td colspan="6" class="remark">Τα ποσοστά αφορούν το σύνολο των μισθωμένων ακινήτων.</td></tr>
</table>)")
        .arg(rows);
}

QString DeclarationPage::lessees(const PlatformSubmission& submission) {
    QString tables;
    const QList<int> present = partiesOf(submission, "MistAA");
    for (qsizetype index = 0; index < present.size(); ++index) {
        const int k = present.at(index);
        tables += QStringLiteral(R"(
<table id="leaseholderTable%1" class="displaySubmissionDetails" width="100%">
  <tr><td colspan="6" class="subTitle">Μισθωτής %2</td></tr>
  <tr class="heading">
    <th>Α/Α</th><th>Ιδιότητα</th><th>Α.Φ.Μ.</th><th>Ονοματεπώνυμο / Επωνυμία</th>
    <th>Ημερομηνία Αποδοχής</th><th>Αποδοχή</th>
  </tr>
  <tr>
    <td>%3</td>
    <td>Μισθωτής</td>
    <td>%4</td>
    <td>%5</td>
    <td>%6</td>
    <td>%7</td>
  </tr>
</table>)")
                      .arg(QString::number(index), QString::number(index + 1),
                           shown(submission, numbered("MistAA", k)),
                           lesseeValue(submission, "MistAFM", k, int(index), "leaseholderAfm0"),
                           lesseeValue(submission, "MistName", k, int(index), "leaseholderName0"),
                           shown(submission, numbered("MistDateApodoxis", k)),
                           PageHtml::checkBox(
                               QStringLiteral("accepted") + QString::number(index),
                               isYes(submission.values.value(numbered("MistCheckApodoxis", k)))));
    }
    return QStringLiteral("\n<h3>ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΤΩΝ</h3>") + tables;
}

QString DeclarationPage::acceptances(const PlatformSubmission& submission) {
    return acceptanceTable(submission, QStringLiteral("ΑΠΟΔΟΧΗ ΕΚΜΙΣΘΩΤΩΝ"), "EkmAA", "EkmName",
                           "EkmDateApodoxis", "EkmCheckApodoxis") +
           acceptanceTable(submission, QStringLiteral("ΑΠΟΔΟΧΗ ΜΙΣΘΩΤΩΝ"), "MistAA", "MistName",
                           "MistDateApodoxis", "MistCheckApodoxis");
}

QString DeclarationPage::notes(const PlatformSubmission& submission) {
    return QStringLiteral(R"(
<table class="displaySubmissionDetails" width="100%">
  <tr><td class="sectionTitle">ΣΤΟΙΧΕΙΑ ΜΙΣΘΩΣΗΣ</td></tr>
  <tr><td class="remark">Πρόσθετες πληροφορίες της δήλωσης</td></tr>
  <tr><td class="label">Σημειώσεις</td></tr>
  <tr><td class="notes">%1</td></tr>
</table>)")
        .arg(shown(submission, QStringLiteral("Simiosis")));
}

namespace {
// The title and the lessors, and the sections after them.
std::pair<QString, QString> mainParts(const PlatformSubmission& submission) {
    const QString kind = submission.isTemporarilySaved() ? QStringLiteral("Προσωρινά Αποθηκευμένη")
                         : submission.amends.isEmpty()
                             ? submission.kind
                             : submission.kind + QStringLiteral(" της ") + submission.amends;
    const QString title =
        QStringLiteral(R"(
   <div class="breadcrumb">Αρχική &raquo; Οι δηλώσεις μου &raquo; Προβολή δήλωσης</div>
   <table class="pageTitle" width="100%">
     <tr><td class="title">ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ με Αριθμ. %1 - %2</td></tr>
     <tr><td class="subtitle">Ημερομηνία υποβολής:&nbsp;%3 &nbsp;&nbsp; Στάδιο:&nbsp;%4</td></tr>
   </table>
%5
)")
            .arg(submission.number, PageHtml::text(kind),
                 shown(submission, QStringLiteral("DateDisplay")), PageHtml::text(submission.stage),
                 DeclarationPage::lessors(submission));
    const QStringList rest = {
        DeclarationPage::lessees(submission), DeclarationPage::leaseTerms(submission),
        DeclarationPage::properties(submission), DeclarationPage::acceptances(submission),
        DeclarationPage::notes(submission)};
    return {title, rest.join(QLatin1Char('\n'))};
}

// The page's layout around the main part.
QString layout(const QString& main, const QString& userLine) {
    const QString content = QStringLiteral(R"(
<table class="layout" width="100%" cellspacing="0">
 <tr>
  <td class="sidebar" valign="top">
    <ul><li><a href="/sgsisapps/plcs/protected/displayConsole.htm">Κεντρική σελίδα</a></li>
        <li><a href="/sgsisapps/plcs/protected/displaySubmissionDetails.htm">Οι δηλώσεις μου</a></li></ul>
  </td>
  <td class="main" id="declarationMain" valign="top">%1
  </td>
 </tr>
</table>
)")
                                .arg(main);
    return PageHtml::page(QStringLiteral("Προβολή δήλωσης"), userLine, content);
}

// A script for the end of the body, its texts given as JSON that cannot end the script.
QString bodyScript(const QString& script, const QJsonArray& texts) {
    QString json = QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact));
    json.replace(QStringLiteral("</"), QStringLiteral("<\\/"));
    return QStringLiteral("<script>\nvar texts = %1;\n%2\n</script>\n</body>").arg(json, script);
}
} // namespace

QString DeclarationPage::page(const PlatformSubmission& submission, const QString& userLine) {
    const auto [title, rest] = mainParts(submission);
    return layout(title + rest, userLine);
}

QString DeclarationPage::latePage(const PlatformSubmission& submission, const QString& userLine,
                                  int ms) {
    const auto [title, rest] = mainParts(submission);
    const QString script =
        QStringLiteral("window.addEventListener('load', function () {\n"
                       "  var main = document.getElementById('declarationMain');\n"
                       "  setTimeout(function () {\n"
                       "    main.insertAdjacentHTML('beforeend', texts[0]);\n"
                       "    setTimeout(function () { main.insertAdjacentHTML('beforeend', "
                       "texts[1]); }, %1);\n"
                       "  }, %1);\n"
                       "});")
            .arg(ms / 2);
    QString html = layout(QString(), userLine);
    html.replace(QStringLiteral("</body>"), bodyScript(script, QJsonArray{title, rest}));
    return html;
}

QString DeclarationPage::busyAfterLoad(const QString& page, int ms) {
    const QString script = QStringLiteral("window.addEventListener('load', function () {\n"
                                          "  setTimeout(function () {\n"
                                          "    var end = Date.now() + %1;\n"
                                          "    while (Date.now() < end) {}\n"
                                          "  }, 0);\n"
                                          "});")
                               .arg(ms);
    QString html = page;
    html.replace(QStringLiteral("</body>"), bodyScript(script, {}));
    return html;
}
