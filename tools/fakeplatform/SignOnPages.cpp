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

namespace {
// The year choice and its button; target names where the list opens.
QString yearChoice(const QString& target) {
    return QStringLiteral(R"(
<form name="consoleForm" action="/sgsisapps/plcs/protected/displaySubmissionDetails.htm" method="get"%1>
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
</form>)")
        .arg(target.isEmpty() ? QString() : QStringLiteral(" target=\"%1\"").arg(target));
}

QString frame(const QString& title, const QString& body) {
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"el\"><head><meta charset=\"utf-8\">"
                          "<title>%1</title></head>\n<body>%2</body></html>\n")
        .arg(title, body);
}
} // namespace

QString SignOnPages::console(const QString& userLine) {
    const QString content = QStringLiteral(R"(
<h2>Κεντρική σελίδα εφαρμογής</h2>
<p>Επιλέξτε το έτος και πατήστε &laquo;Αναζήτηση&raquo; για να δείτε τις δηλώσεις σας.</p>
%1
<ul class="actions">
  <li><a href="/sgsisapps/plcs/protected/newDeclaration.htm">Νέα δήλωση μίσθωσης</a></li>
  <li><a href="/sgsisapps/plcs/protected/displaySubmissionDetails.htm">Οι δηλώσεις μου</a></li>
</ul>
)")
                                .arg(yearChoice(QString()));
    return PageHtml::page(QStringLiteral("Κεντρική σελίδα"), userLine, content);
}

QString SignOnPages::consoleInFrames(const QString& userLine) {
    const QString content = QStringLiteral(R"(
<h2>Κεντρική σελίδα εφαρμογής</h2>
<iframe name="menu" src="/sgsisapps/plcs/protected/consoleMenu.htm" width="200" height="120"></iframe>
<iframe name="main" src="/sgsisapps/plcs/protected/consoleMain.htm" width="500" height="120"></iframe>
)");
    return PageHtml::page(QStringLiteral("Κεντρική σελίδα"), userLine, content);
}

QString SignOnPages::consoleMenuFrame() {
    return frame(QStringLiteral("Μενού"),
                 QStringLiteral("<ul><li><a href=\"/sgsisapps/plcs/protected/newDeclaration.htm\" "
                                "target=\"_top\">Νέα δήλωση μίσθωσης</a></li></ul>"));
}

QString SignOnPages::consoleMainFrame() {
    return frame(QStringLiteral("Αναζήτηση"),
                 QStringLiteral("<p>Επιλέξτε το έτος και πατήστε &laquo;Αναζήτηση&raquo;.</p>") +
                     yearChoice(QStringLiteral("_top")));
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
