#include "portal/PortalActions.h"
#include "common/Messages.h"
#include "portal/PortalAddresses.h"
#include "portal/PortalTexts.h"
#include "portal/SubmissionList.h"

namespace {
struct ActionTexts {
    QString temporarilySaved; // empty: the action does not refuse them
    QString noWindow;
    QString pageNotFound;
    QString notAllowed; // empty: nothing is told when no form matches
    QString problem;
};

const ActionTexts& textsOf(DeclarationAction action) {
    static const QString viewConnect = QStringLiteral(
        "Για να προβάλετε τη δήλωση πρέπει πρώτα να συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ");
    static const QString printConnect =
        QStringLiteral("Για να κάνετε εκτύπωση της δήλωσης πρέπει πρώτα να συνδεθείτε στην "
                       "πλατφόρμα μισθωμάτων της ΑΑΔΕ");
    static const QString amendConnect =
        QStringLiteral("Για να δημιουργήσετε τροποποιητική δήλωση πρέπει πρώτα να συνδεθείτε "
                       "στην πλατφόρμα μισθωμάτων της ΑΑΔΕ");
    static const ActionTexts view{
        QString(), viewConnect, viewConnect, QString(),
        QStringLiteral("Παρουσιάστηκε κάποιο πρόβλημα με την προβολή της δήλωσης.")};
    static const ActionTexts print{
        QStringLiteral("Δεν υπάρχει δυνατότητα εκτύπωσης ΠΡΟΣΩΡΙΝΑ ΑΠΟΘΗΚΕΥΜΕΝΗΣ δήλωσης."),
        printConnect, printConnect, QString(),
        QStringLiteral("Παρουσιάστηκε κάποιο πρόβλημα με την εκτύπωση της δήλωσης.")};
    static const ActionTexts amend{
        QStringLiteral("Δεν υπάρχει δυνατότητα δημιουργίας τροποποιητικής δήλωσης σε ΠΡΟΣΩΡΙΝΑ "
                       "ΑΠΟΘΗΚΕΥΜΕΝΗ δήλωση."),
        amendConnect, amendConnect,
        QStringLiteral("Δεν επιτρέπεται η δημιουργία τροποποιητικής δήλωσης."),
        QStringLiteral("Παρουσιάστηκε κάποιο πρόβλημα με την δημιουργία της τροποποιητικής "
                       "δήλωσης.")};
    static const ActionTexts terminate{
        QStringLiteral("Δεν υπάρχει δυνατότητα λύσης σε ΠΡΟΣΩΡΙΝΑ ΑΠΟΘΗΚΕΥΜΕΝΗ δήλωση."),
        QStringLiteral("Για να κάνετε λύση ενός συμφωνητικού μίσθωσης θα πρέπει πρώτα να "
                       "συνδεθείτε στην πλατφόρμα μισθωμάτων της ΑΑΔΕ"),
        QStringLiteral("Για να κάνετε λύση συμφωνητικού μίσθωσης πρέπει πρώτα να συνδεθείτε στην "
                       "πλατφόρμα μισθωμάτων της ΑΑΔΕ"),
        QStringLiteral("Δεν επιτρέπεται η λύση του συμφωνητικού μίσθωσης."),
        QStringLiteral("Παρουσιάστηκε κάποιο πρόβλημα με τη λύση του συμφωνητικού μίσθωσης .")};
    switch (action) {
    case DeclarationAction::ViewOrEdit:
        return view;
    case DeclarationAction::Print:
        return print;
    case DeclarationAction::Amend:
        return amend;
    case DeclarationAction::Terminate:
        break;
    }
    return terminate;
}

const QString kViewPicture = QStringLiteral("viewmag.png");
const QString kEditPicture = QStringLiteral("edit.png");

bool holdsWholeNumber(const QString& html, const QString& number) {
    if (number.isEmpty())
        return false;
    for (qsizetype at = html.indexOf(number); at >= 0; at = html.indexOf(number, at + 1)) {
        const qsizetype end = at + number.size();
        const bool digitBefore = at > 0 && html.at(at - 1).isDigit();
        const bool digitAfter = end < html.size() && html.at(end).isDigit();
        if (!digitBefore && !digitAfter)
            return true;
    }
    return false;
}

// A view form is made to open in a new window, an edit form in the same window, whatever
// order the page writes the form's attributes in.
void setViewTarget(const PageElement& form, const QString& html) {
    BrowserOps& browser = browserOps();
    const bool inNewWindow =
        browser.GetAttribute(form, QStringLiteral("target")) == QLatin1String("_blank");
    if (html.contains(kViewPicture) && !inNewWindow)
        browser.SetAttribute(form, QStringLiteral("target"), QStringLiteral("_blank"));
    else if (!html.contains(kViewPicture) && inNewWindow)
        browser.SetAttribute(form, QStringLiteral("target"), QStringLiteral("_self"));
}

// Submits the first form of the action; false when no form matched.
bool submitActionForm(const PageDocument& document, DeclarationAction action,
                      const QString& number) {
    BrowserOps& browser = browserOps();
    const ElementCollection forms =
        browser.GetElementsByTagName(browser.GetBody(document), QStringLiteral("FORM"));
    const int count = browser.Count(forms);
    for (int i = 0; i < count; ++i) {
        const PageElement form = browser.Item(forms, i);
        if (!form)
            continue;
        const QString html = browser.GetOuterHtml(form);
        // A form that names its submission in a "transId" input is that submission's
        // alone, whatever other numbers its HTML holds.
        const std::optional<QString> transId = SubmissionList::transIdOf(form);
        if (transId ? *transId != number || !isActionForm(html, *transId, action)
                    : !isActionForm(html, number, action))
            continue;
        if (action == DeclarationAction::ViewOrEdit)
            setViewTarget(form, html);
        browser.Submit(browser.Item(forms, i));
        return true;
    }
    return false;
}
} // namespace

bool isActionForm(const QString& formHtml, const QString& number, DeclarationAction action) {
    if (!holdsWholeNumber(formHtml, number))
        return false;
    switch (action) {
    case DeclarationAction::ViewOrEdit:
        return formHtml.contains(kViewPicture) || formHtml.contains(kEditPicture);
    case DeclarationAction::Print:
        return formHtml.contains(QStringLiteral("pdf.png"));
    case DeclarationAction::Amend:
        return formHtml.contains(QStringLiteral("edit_add.png"));
    case DeclarationAction::Terminate:
        break;
    }
    return formHtml.contains(QStringLiteral("termination.png"));
}

void RunDeclarationAction(PortalSession& session, DeclarationAction action, const QString& number,
                          const QString& stage, const WaitWindowHooks& wait) {
    const ActionTexts& texts = textsOf(action);
    if (!texts.temporarilySaved.isEmpty() && stage.trimmed() == PortalTexts::kTemporarilySaved) {
        showMessage(texts.temporarilySaved);
        return;
    }
    const QString page = PortalAddresses::submissionDetailsPage();
    if (FindPortalWindow(session, page) == 0) {
        showMessage(texts.noWindow);
        return;
    }
    const PageDocument document = WaitForPortalPage(session, page);
    if (!document) {
        showMessage(texts.pageNotFound);
        return;
    }
    WaitWindowShown shown(wait);
    try {
        if (!submitActionForm(document, action, number) && !texts.notAllowed.isEmpty())
            showMessage(texts.notAllowed);
    } catch (...) {
        showMessage(texts.problem);
    }
}
