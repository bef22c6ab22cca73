#include "tools/fakeplatform/SubmissionListPage.h"
#include "tools/fakeplatform/PageHtml.h"

namespace {
struct ActionLook {
    const char* picture;
    const char* title;
    bool newWindow; // the platform opens it in a window of its own
};

ActionLook lookOf(const QString& action) {
    if (action == QLatin1String("view"))
        return {"viewmag.png", "Προβολή", false};
    if (action == QLatin1String("edit"))
        return {"edit.png", "Επεξεργασία", true};
    if (action == QLatin1String("print"))
        return {"pdf.png", "Εκτύπωση", false};
    if (action == QLatin1String("amend"))
        return {"edit_add.png", "Τροποποιητική", false};
    return {"termination.png", "Λύση", false};
}

QString actionsOf(const PlatformSubmission& submission, bool reordered) {
    QStringList actions;
    if (submission.isTemporarilySaved()) {
        actions << QStringLiteral("edit");
    } else {
        actions << QStringLiteral("view") << QStringLiteral("print");
        if (submission.canBeAmended())
            actions << QStringLiteral("amend") << QStringLiteral("terminate");
    }
    QStringList forms;
    for (const QString& action : actions)
        forms << SubmissionListPage::actionForm(submission.number, action, reordered);
    return forms.join(QStringLiteral("\n        "));
}

QString numberCell(const PlatformSubmission& submission) {
    if (submission.amends.isEmpty())
        return submission.number;
    return submission.number +
           QStringLiteral("<br>\n          <span class=\"amends\">(Τροποποιεί το Α/Α ") +
           submission.amends + QStringLiteral(")</span>");
}

QString row(const PlatformSubmission& submission, int index, const Untidiness& untidy) {
    const QString leading =
        untidy.leadingCell ? QStringLiteral("<td class=\"aa\">%1</td>").arg(index + 1) : QString();
    return QStringLiteral(R"(
    <tr class="%1">%8
      <td class="number">
          %2
      </td>
      <td>%3</td>
      <td>%4</td>
      <td>%5</td>
      <td>%6</td>
      <td class="actions">
        %7
      </td>
    </tr>)")
        .arg(index % 2 ? QStringLiteral("even") : QStringLiteral("odd"), numberCell(submission),
             PageHtml::text(submission.values.value(QStringLiteral("DateDisplay"))),
             PageHtml::text(submission.values.value(QStringLiteral("MistName1"))),
             PageHtml::text(submission.stage), PageHtml::text(submission.kind),
             actionsOf(submission, untidy.reorderedAttributes), leading);
}

// The list's headings; untidy ones break their words as real pages do, or span the
// number's heading over the running number's column.
QString headings(const Untidiness& untidy) {
    const QString span = untidy.leadingCell ? QStringLiteral(" colspan=\"2\"") : QString();
    if (!untidy.spacedHeadings)
        return QStringLiteral(R"(
      <th%1>Αριθμός Καταχώρησης</th>
      <th>Ημερομηνία Υποβολής</th>
      <th style="white-space: pre">Στοιχεία   1ου μισθωτή</th>)")
            .arg(span);
    return QStringLiteral(R"(
      <th%1>Αριθμός
          Καταχώρησης</th>
      <th>Ημερομηνία<br>Υποβολής</th>
      <th> Στοιχεία<br>
           1ου&nbsp;μισθωτή </th>)")
        .arg(span);
}
} // namespace

QString SubmissionListPage::actionForm(const QString& number, const QString& action,
                                       bool reordered) {
    const ActionLook look = lookOf(action);
    if (reordered)
        return QStringLiteral(
                   "<form  method='post' class=\"inline-action\" id=\"%4Form%3\"\n"
                   "       action=\"%1\"%2 accept-charset=\"UTF-8\">"
                   "<input value=\"%3\"  type=\"hidden\" id=\"transId_%4_%3\" NAME=\"transId\" >"
                   "<input name=\"action\" type=\"hidden\" value=\"%4\">"
                   "<input class=\"icon\" type=\"image\" name=\"btn_%4\" "
                   "src=\"/sgsisapps/plcs/images/%5\" title=\"%6\" alt=\"%6\"></form>")
            .arg(kActionPath,
                 look.newWindow ? QStringLiteral(" target='_blank' rel=\"opener\"") : QString(),
                 number, action, QString::fromLatin1(look.picture), QString::fromUtf8(look.title));
    return QStringLiteral("<form action=\"%1\" method=\"post\"%2>"
                          "<input name=\"transId\" type=\"hidden\" value=\"%3\">"
                          "<input type=\"hidden\" name=\"action\" value=\"%4\">"
                          "<input type=\"image\" name=\"btn_%4\" "
                          "src=\"/sgsisapps/plcs/images/%5\" title=\"%6\" alt=\"%6\"></form>")
        .arg(kActionPath, look.newWindow ? QStringLiteral(" target=\"_blank\"") : QString(), number,
             action, QString::fromLatin1(look.picture), QString::fromUtf8(look.title));
}

QString SubmissionListPage::page(const QList<PlatformSubmission>& submissions,
                                 const QString& userLine, const QString& ownerLine,
                                 const Untidiness& untidy) {
    QString rows;
    for (qsizetype i = 0; i < submissions.size(); ++i)
        rows += row(submissions.at(untidy.newestFirst ? submissions.size() - 1 - i : i), int(i),
                    untidy);
    const QString content =
        QStringLiteral(R"(
<h2>Οι δηλώσεις μου</h2>
<p class="owner">%1</p>
<table class="filters"><tr>
  <td>Σύνολο υποβολών:&nbsp;<b>%2</b></td>
  <td><a href="/sgsisapps/plcs/protected/displayConsole.htm">&laquo; Επιστροφή</a></td>
</tr></table>
<table id="submissionList" class="displaySubmissionDetails" width="100%">
  <thead>
    <tr>%4
      <th>Στάδιο Υποβολής</th>
      <th>Είδος Δήλωσης</th>
      <th>Ενέργειες</th>
    </tr>
  </thead>
  <tbody>%3
  </tbody>
</table>
)")
            .arg(ownerLine, QString::number(submissions.size()), rows, headings(untidy));
    return PageHtml::page(QStringLiteral("Οι δηλώσεις μου"), userLine, content);
}
