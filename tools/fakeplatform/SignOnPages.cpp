#include "tools/fakeplatform/SignOnPages.h"
#include "tools/fakeplatform/PageHtml.h"

QString SignOnPages::signOn(const QString& action, const QString& returnTo, const QString& error) {
    const QString errorLine = error.isEmpty()
                                  ? QString()
                                  : QStringLiteral("<div class=\"error\" role=\"alert\">%1</div>\n")
                                        .arg(error.toHtmlEscaped());
    const QString content = QStringLiteral(R"(
<div class="loginBox">
  <h2>Σύνδεση &mdash; Διαπιστευτήρια TAXISnet</h2>
  %1<form id="loginForm" action="%2" method="post" autocomplete="off">
    <input type="hidden" name="service" value="%3">
    <table class="loginTable">
      <tr><td><label for="username">Όνομα χρήστη</label></td>
          <td><input type="text" id="username" name="j_username" maxlength="50"></td></tr>
      <tr><td><label for="password">Κωδικός</label></td>
          <td><input type="password" id="password" name="j_password" maxlength="50"></td></tr>
      <tr><td colspan="2">
          <input type="button" name="btn_cancel" value="Ακύρωση">
          <input type="submit" name="btn_login" value="Σύνδεση">
      </td></tr>
    </table>
  </form>
  <p><a href="https://www.aade.gr/anaktisi-kodikon">Ξεχάσατε τους κωδικούς σας;</a></p>
</div>
)")
                                .arg(errorLine, action.toHtmlEscaped(), returnTo.toHtmlEscaped());
    return PageHtml::page(QStringLiteral("Σύνδεση"), QString(), content);
}

QString SignOnPages::console(const QString& userLine) {
    const QString content = QStringLiteral(R"(
<h2>Κεντρική σελίδα εφαρμογής</h2>
<p>Επιλέξτε το έτος και πατήστε &laquo;Αναζήτηση&raquo; για να δείτε τις δηλώσεις σας.</p>
<form name="consoleForm" action="/sgsisapps/plcs/protected/displaySubmissionDetails.htm" method="get">
  <table class="console">
    <tr>
      <td>Έτος:</td>
      <td>
        <select name="yearShow" id="yearShow">
          <option value="" selected="selected">Όλα τα έτη</option>
          <option value="2026">2026</option>
          <option value="2025">2025</option>
          <option value="2024">2024</option>
        </select>
      </td>
      <td><input type="submit" name="button1" value="Αναζήτηση"></td>
    </tr>
  </table>
</form>
<ul class="actions">
  <li><a href="/sgsisapps/plcs/protected/newDeclaration.htm">Νέα δήλωση μίσθωσης</a></li>
  <li><a href="/sgsisapps/plcs/protected/displaySubmissionDetails.htm">Οι δηλώσεις μου</a></li>
</ul>
)");
    return PageHtml::page(QStringLiteral("Κεντρική σελίδα"), userLine, content);
}

QString SignOnPages::roleChoice(const QString& userLine, const QStringList& representedAfms) {
    QString options;
    for (const QString& afm : representedAfms)
        options +=
            QStringLiteral("          <option value=\"%1\">Εκπρόσωπος &ndash; Α.Φ.Μ. %1</option>\n")
                .arg(afm.toHtmlEscaped());
    const QString content = QStringLiteral(R"(
<h2>Επιλογή ρόλου</h2>
<p>Ο λογαριασμός σας συνδέεται με περισσότερους από έναν ρόλους. Επιλέξτε ρόλο:</p>
<form name="rolesForm" action="/sgsisapps/plcs/protected/displayActorRoles.htm" method="post">
  <select name="actorRole" id="actorRole">
%1  </select>
  <input type="submit" name="btnRole" value="επιλογή">
</form>
)")
                                .arg(options);
    return PageHtml::page(QStringLiteral("Επιλογή ρόλου"), userLine, content);
}
