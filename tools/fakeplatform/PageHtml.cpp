#include "tools/fakeplatform/PageHtml.h"

#include <QLocale>

QString PageHtml::text(const QVariant& value) {
    QString escaped = value.toString().toHtmlEscaped();
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return escaped;
}

QString PageHtml::amount(const QVariant& value) {
    if (value.isNull() || value.toString().isEmpty())
        return QString();
    return QLocale(QLocale::Greek, QLocale::Greece).toString(value.toDouble(), 'f', 2);
}

QString PageHtml::checkBox(const QString& name, bool checked) {
    return QStringLiteral("<input type=\"checkbox\" name=\"%1\"%2 disabled=\"disabled\">")
        .arg(name, checked ? QStringLiteral(" checked=\"checked\"") : QString());
}

QString PageHtml::page(const QString& title, const QString& userLine, const QString& content) {
    return QStringLiteral(R"(<!DOCTYPE html>
<html lang="el">
<head>
  <meta charset="utf-8">
  <title>%1 &ndash; Μισθώσεις Ακίνητης Περιουσίας</title>
  <link rel="stylesheet" href="/sgsisapps/plcs/css/plcs.css">
  <style>
    .displaySubmissionDetails td { padding: 2px 6px; }
    .sectionTitle { font-weight: bold; background: #dde7f0; }
  </style>
  <script type="text/javascript">
    // Κλείδωμα διπλής υποβολής &amp; χρονόμετρο συνεδρίας
    var sessionTimeout = 1800;
  </script>
</head>
<body>
<!-- κεφαλίδα -->
<table id="pageHeader" width="100%" cellpadding="0" cellspacing="0">
  <tr>
    <td class="logo"><img src="/sgsisapps/plcs/images/aade_logo.png" alt="ΑΑΔΕ"></td>
    <td class="appName">
      Μισθώσεις&nbsp;Ακίνητης&nbsp;Περιουσίας
    </td>
    <td class="userInfo" align="right">%2</td>
  </tr>
  <tr>
    <td colspan="3">
      <table class="menu"><tr>
        <td><a href="/sgsisapps/plcs/protected/displayConsole.htm">Αρχική</a></td>
        <td><a href="/sgsisapps/plcs/protected/displaySubmissionDetails.htm">Οι δηλώσεις μου</a></td>
        <td><a href="/sgsisapps/plcs/help.htm">Οδηγίες &amp; Συχνές Ερωτήσεις</a></td>
      </tr></table>
    </td>
  </tr>
</table>
<div id="content">
%3
</div>
<div id="footer">
  <p>&copy; Ανεξάρτητη Αρχή Δημοσίων Εσόδων &middot; Τηλ. εξυπηρέτησης 1521</p>
</div>
</body>
</html>
)")
        .arg(title.toHtmlEscaped(), userLine, content);
}
