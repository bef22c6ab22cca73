#include "tools/fakeplatform/ActionPages.h"
#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/fakeplatform/PageHtml.h"

QString ActionPages::print(const PlatformSubmission& submission, const QString& userLine) {
    const QString content = QStringLiteral(R"(
<h2>Εκτύπωση δήλωσης %1</h2>
<p class="printNote">Το έντυπο της δήλωσης με αριθμό καταχώρησης %1 είναι έτοιμο για εκτύπωση.</p>
%2
%3
)")
                                .arg(submission.number, DeclarationPage::lessors(submission),
                                     DeclarationPage::leaseTerms(submission));
    return PageHtml::page(QStringLiteral("Εκτύπωση δήλωσης"), userLine, content);
}

QString ActionPages::amend(const PlatformSubmission& submission, const QString& userLine) {
    const QString content = QStringLiteral(R"(
<h2>ΤΡΟΠΟΠΟΙΗΤΙΚΗ ΔΗΛΩΣΗ ΤΗΣ %1</h2>
<p>Βήμα 1 από 4: ελέγξτε τους εκμισθωτές και πατήστε &laquo;Συνέχεια&raquo;.</p>
<form action="/sgsisapps/plcs/protected/amendStep.htm" method="post">
  <input type="hidden" name="amends" value="%1">
  %2
  <input type="submit" name="next" value="Συνέχεια">
</form>
)")
                                .arg(submission.number, DeclarationPage::lessors(submission));
    return PageHtml::page(QStringLiteral("Τροποποιητική δήλωση"), userLine, content);
}

QString ActionPages::terminate(const PlatformSubmission& submission, const QString& userLine) {
    const QString content = QStringLiteral(R"(
<h2>ΛΥΣΗ ΣΥΜΦΩΝΗΤΙΚΟΥ ΜΙΣΘΩΣΗΣ %1</h2>
<form action="/sgsisapps/plcs/protected/terminateStep.htm" method="post">
  <input type="hidden" name="terminates" value="%1">
  <label for="terminationDate">Ημερομηνία λύσης:</label>
  <input type="text" id="terminationDate" name="terminationDate" value="">
  <input type="submit" name="next" value="Συνέχεια">
</form>
)")
                                .arg(submission.number);
    return PageHtml::page(QStringLiteral("Λύση μίσθωσης"), userLine, content);
}

QString ActionPages::notice(const QString& title, const QString& text, const QString& userLine) {
    return PageHtml::page(title, userLine,
                          QStringLiteral("<h2>%1</h2>\n<p class=\"notice\">%2</p>")
                              .arg(title.toHtmlEscaped(), text.toHtmlEscaped()));
}
