#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/fakeplatform/PageHtml.h"

namespace {
const QStringList kLeaseKinds = {
    QStringLiteral("Μίσθωση Κατοικίας"), QStringLiteral("Φοιτητική Κατοικία"),
    QStringLiteral("Επαγγελματική Μίσθωση"), QStringLiteral("Αγροτική Μίσθωση")};

// The lease-term marks: the row's wording and the field it shows.
const QList<QPair<QString, QString>> kMarks = {
    {QStringLiteral("Βραχυχρόνια μίσθωση του άρθρου 111 του ν. 4446/2016"),
     QStringLiteral("DilCheck1")},
    {QStringLiteral("Το μισθωμα καταβάλλεται σε είδος"), QStringLiteral("DilCheck2")},
    {QStringLiteral("Δωρεάν παραχώρηση της χρήσης του ακινήτου"), QStringLiteral("DilCheck3")},
    {QStringLiteral("Ο μισθωτής είναι Ν.Π.Δ.Δ. ή Ν.Π.Ι.Δ."), QStringLiteral("DilCheck4")},
    {QStringLiteral("Πρόκειται για Υπεκμίσθωση"), QStringLiteral("DilCheck5")}};

QString attribute(const QVariant& value) {
    return value.toString().toHtmlEscaped();
}

QString input(const QString& idOrName, const QVariant& value, bool byId) {
    return QStringLiteral("<input type=\"text\" %1=\"%2\" value=\"%3\">")
        .arg(byId ? QStringLiteral("id") : QStringLiteral("name"), idOrName, attribute(value));
}

QString leaseKindChoice(const QString& chosen) {
    QStringList kinds = kLeaseKinds;
    if (!chosen.isEmpty() && !kinds.contains(chosen))
        kinds.append(chosen);
    QString options;
    for (qsizetype i = 0; i < kinds.size(); ++i)
        options +=
            QStringLiteral("<option value=\"%1\"%2>%3</option>")
                .arg(QString::number(i + 1),
                     kinds.at(i) == chosen ? QStringLiteral(" selected=\"selected\"") : QString(),
                     kinds.at(i).toHtmlEscaped());
    return QStringLiteral(
               "<select class=\"selectmultiple\" name=\"leaseType\" disabled=\"disabled\">") +
           options + QStringLiteral("</select>");
}

QString termsRow(const PlatformSubmission& submission) {
    const QVariantMap& v = submission.values;
    // A termination shows the end the lease had; its own date is the termination date.
    const QVariant end = submission.isTermination()
                             ? submission.previousValues.value(QStringLiteral("MistosiEosDate"))
                             : v.value(QStringLiteral("MistosiEosDate"));
    const QString kind = leaseKindChoice(v.value(QStringLiteral("EidosTarvenis")).toString());
    if (submission.isTemporarilySaved())
        return QStringLiteral(R"(
  <tr>
    <td>%1</td>
    <td>%2</td>
    <td>%3</td>
    <td>%4</td>
    <td>%5</td>
  </tr>)")
            .arg(kind,
                 input(QStringLiteral("leasingSignatureDate"),
                       v.value(QStringLiteral("SimfonitikoDate")), false),
                 input(QStringLiteral("leasingStartDate"),
                       v.value(QStringLiteral("MistosiApoDate")), false),
                 input(QStringLiteral("leasingEndDate"), end, false),
                 input(QStringLiteral("monthlyRent"),
                       PageHtml::amount(v.value(QStringLiteral("TotalMistoma"))), false));
    return QStringLiteral(R"(
  <tr>
    <td>%1</td>
    <td>%2</td>
    <td>%3</td>
    <td>%4</td>
    <td>%5</td>
  </tr>)")
        .arg(kind, PageHtml::text(v.value(QStringLiteral("SimfonitikoDate"))),
             PageHtml::text(v.value(QStringLiteral("MistosiApoDate"))), PageHtml::text(end),
             PageHtml::amount(v.value(QStringLiteral("TotalMistoma"))));
}

QString terminationRow(const PlatformSubmission& submission) {
    if (!submission.isTermination())
        return QString();
    const QVariant date = submission.values.value(QStringLiteral("MistosiEosDate"));
    return QStringLiteral("\n  <tr><td>Ημερομηνία Λύσης</td><td>%1</td></tr>")
        .arg(submission.isTemporarilySaved()
                 ? QStringLiteral("<input type=\"text\" id=\"terminationDate\" "
                                  "name=\"terminationDate\" value=\"") +
                       attribute(date) + QStringLiteral("\">")
                 : PageHtml::text(date));
}

// A cell value, or for a temporarily saved declaration the input that holds it.
QString propertyValue(const PlatformSubmission& submission, const QVariantMap& property,
                      const char* field, const char* inputId, int index) {
    const QVariant value = property.value(QString::fromLatin1(field));
    if (!submission.isTemporarilySaved() || !inputId)
        return PageHtml::text(value);
    return input(QString::fromLatin1(inputId) + QString::number(index), value, true);
}

QString certificate(const PlatformSubmission& submission, const QVariantMap& property, int index) {
    static const char* const fields[] = {"CertNum",      "CertDate",   "CertAMEPith",
                                         "CertAFMEPith", "CertAsfNum", "Certkatataxi"};
    static const char* const inputs[] = {"certReferenceNumber", "certIssueDate", nullptr, nullptr,
                                         "certSecurityNumber",  nullptr};
    QString cells;
    bool any = false;
    for (int i = 0; i < 6; ++i) {
        any = any || !property.value(QString::fromLatin1(fields[i])).toString().isEmpty();
        cells += QStringLiteral("<td>") +
                 propertyValue(submission, property, fields[i], inputs[i], index) +
                 QStringLiteral("</td>");
    }
    if (!any)
        return QString();
    return QStringLiteral(R"(
<table class="displaySubmissionDetails certificate" width="100%">
  <tr><th>Αριθμός Πιστοποιητικού</th><th>Ημερομηνία Έκδοσης</th><th>Α.Μ. Επιθεωρητή</th>
      <th>Α.Φ.Μ. Επιθεωρητή</th><th>Αριθμός Ασφαλείας</th><th>Ενεργειακή κατάταξη</th></tr>
  <tr>%1</tr>
</table>)")
        .arg(cells);
}

QString property(const PlatformSubmission& submission, const QVariantMap& p, int index) {
    auto cell = [&](const char* field, const char* inputId = nullptr) {
        return propertyValue(submission, p, field, inputId, index);
    };
    auto check = [&](const char* field) {
        return PageHtml::checkBox(QString::fromLatin1(field) + QString::number(index),
                                  p.value(QString::fromLatin1(field)).toString() ==
                                      QStringLiteral("ΝΑΙ"));
    };
    const QString cert = certificate(submission, p, index);
    const QString table =
        QStringLiteral(R"(
<table id="propertyTable%1" class="displaySubmissionDetails" width="100%">
  <tr><td colspan="6" class="sectionTitle">ΣΤΟΙΧΕΙΑ ΑΚΙΝΗΤΟΥ %2</td></tr>
  <tr class="displaySubmissionDetails0"><th>Α/Α</th><th>Είδος Ακινήτου</th><th>Α.Τ.Α.Κ.</th><th>Οδός</th><th>Αριθμός</th><th>Τ.Κ.</th></tr>
  <tr class="displaySubmissionDetails1"><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td></tr>
  <tr class="displaySubmissionDetails0"><th></th><th>Περιγραφή</th><th>Κ.Α.Ε.Κ.</th><th>Δήμος</th><th>Θέση</th><th>Νομός</th></tr>
  <tr class="displaySubmissionDetails1"><td></td><td>%8</td><td>%9</td><td>%10</td><td>%11</td><td>%12</td></tr>
  <tr class="displaySubmissionDetails0"><th></th><th>Όροφος</th><th>Μερική Μίσθωση</th><th>Κύρια Επιφάνεια (τ.μ.)</th><th>Βοηθητική Επιφάνεια (τ.μ.)</th><th>Επιφάνεια Οικοπέδου (τ.μ.)</th></tr>
  <tr class="displaySubmissionDetails1"><td></td><td>%13</td><td>%14</td><td>%15</td><td>%16</td><td>%17</td></tr>
  <tr class="displaySubmissionDetails0"><th></th><th>Μηνιαίο Μίσθωμα Ακινήτου (€)</th><th>Ηλεκτροδότηση</th><th>Αριθμός Παροχής</th></tr>
  <tr class="displaySubmissionDetails1"><td></td><td>%18</td><td>%19</td><td>%20</td></tr>%21
</table>)")
            .arg(QString::number(index), QString::number(index + 1), cell("Eidos"),
                 cell("ATAK", "atak"), cell("Odos", "street"), cell("Num", "streetNo"),
                 cell("ZipCode", "zip"), cell("Descr"), cell("KAEK", "kaek"), cell("Dimos", "area"),
                 cell("Thesi", "areaName"), cell("Nomos", "district"), cell("Orofos", "floor"),
                 check("MerikiMistosi"), cell("EpifKX", "mainSurfaceArea"),
                 cell("EpifBX", "auxSurfaceArea"), cell("EpifOiko", "plotSurfaceArea"),
                 PageHtml::amount(p.value(QStringLiteral("MonthlyMist"))), check("ExistsDEH"),
                 cell("DEH"),
                 cert.isEmpty() ? QString()
                                : QStringLiteral("\n  <tr><td colspan=\"6\" "
                                                 "class=\"sectionTitle\">ΕΝΕΡΓΕΙΑΚΟ "
                                                 "ΠΙΣΤΟΠΟΙΗΤΙΚΟ</td></tr>"));
    return table + cert;
}
} // namespace

QString DeclarationPage::leaseTerms(const PlatformSubmission& submission) {
    const QVariantMap& v = submission.values;
    QString marks;
    for (const auto& [wording, field] : kMarks)
        marks += QStringLiteral("\n  <tr><td colspan=\"4\">%1</td><td>%2</td></tr>")
                     .arg(wording, PageHtml::checkBox(field.toLower(), v.value(field).toString() ==
                                                                           QStringLiteral("ΝΑΙ")));
    return QStringLiteral(R"(
<table id="contractDetails" class="displaySubmissionDetails" width="100%">
  <tr><td colspan="5" class="sectionTitle">ΟΡΟΙ ΜΙΣΘΩΣΗΣ</td></tr>
  <tr class="heading">
    <th>Είδος Μίσθωσης</th><th>Ημ/νία Σύναψης Συμφωνητικού</th><th>Έναρξη</th><th>Λήξη</th>
    <th>Μηνιαίο Μίσθωμα (€)</th>
  </tr>%1%2%3
  <tr>
    <td class="initialSearchLabel">Στοιχεία αρχικής μίσθωσης</td>
    <td>Αριθμός / Έτος / Δ.Ο.Υ.:</td>
    <td>%4</td>
    <td>%5</td>
    <td>%6</td>
  </tr>
</table>)")
        .arg(termsRow(submission), terminationRow(submission), marks,
             PageHtml::text(v.value(QStringLiteral("YpekmCode"))),
             PageHtml::text(v.value(QStringLiteral("YpekmEtos"))),
             PageHtml::text(v.value(QStringLiteral("YpekmDoy"))));
}

QString DeclarationPage::properties(const PlatformSubmission& submission) {
    QString tables;
    for (qsizetype i = 0; i < submission.properties.size(); ++i)
        tables += property(submission, submission.properties.at(i), int(i));
    return tables;
}
