#include "tools/fakeplatform/FakePlatform.h"
#include "tools/fakeplatform/ActionPages.h"
#include "tools/fakeplatform/DeclarationPage.h"
#include "tools/fakeplatform/SignOnPages.h"
#include "tools/fakeplatform/SubmissionListPage.h"

#include <QRandomGenerator>
#include <QUrlQuery>

namespace {
const QString kSessionCookie = QStringLiteral("JSESSIONID");
const QString kProtected = QStringLiteral("/sgsisapps/plcs/protected/");
const QString kSignOnPath = QStringLiteral("/oauth2server/login.jsp");
const QString kSignOnPost = QStringLiteral("/oauth2server/login");

QString randomToken() {
    return QString::number(QRandomGenerator::global()->generate64(), 36).toUpper();
}

PageAnswer html(const QString& page, int status = 200) {
    PageAnswer answer;
    answer.status = status;
    answer.html = page;
    return answer;
}

PageAnswer redirect(const QString& address) {
    PageAnswer answer;
    answer.status = 302;
    answer.location = QUrl(address);
    return answer;
}

PageAnswer notFound() {
    return html(ActionPages::notice(QStringLiteral("Η σελίδα δεν βρέθηκε"),
                                    QStringLiteral("Η σελίδα που ζητήσατε δεν υπάρχει."),
                                    QString()),
                404);
}

// A field of a POSTed form, or of the address's query.
QString field(const PageRequest& request, const QString& name) {
    for (const auto& [key, value] : request.fields)
        if (key == name)
            return value;
    return QUrlQuery(request.url)
        .queryItemValue(name, QUrl::FullyDecoded)
        .replace(QLatin1Char('+'), QLatin1Char(' '));
}

// The rest of the address after the base, when the address is under it.
std::optional<QString> pathUnder(const QUrl& url, const QString& base) {
    const QString address = url.toString(QUrl::RemoveQuery | QUrl::RemoveFragment);
    if (!address.startsWith(base + QLatin1Char('/')))
        return std::nullopt;
    return address.mid(base.size());
}

QString withTicket(const QString& address, const QString& ticket) {
    return address + (address.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
           QStringLiteral("ticket=") + ticket;
}
} // namespace

FakePlatform::FakePlatform(QList<FakeOwner> owners, QString leaseAppBase, QString signOnBase)
    : m_owners(std::move(owners)), m_leaseAppBase(std::move(leaseAppBase)),
      m_signOnBase(std::move(signOnBase)) {
    for (const FakeOwner& owner : m_owners)
        m_submissions.append(platformSubmissions(owner.data));
}

QString FakePlatform::signOnPage() const {
    return m_signOnBase + kSignOnPath;
}

QString FakePlatform::protectedAddress(const QString& page) const {
    return m_leaseAppBase + kProtected + page;
}

PageAnswer FakePlatform::answer(const PageRequest& request) {
    if (const auto path = pathUnder(request.url, m_signOnBase))
        return signOnAnswer(request, *path);
    if (const auto path = pathUnder(request.url, m_leaseAppBase))
        return leaseAppAnswer(request, *path);
    return notFound();
}

std::optional<FakePlatform::Account> FakePlatform::accountFor(const QString& userName,
                                                              const QString& password) const {
    Account account;
    account.userName = userName;
    for (int i = 0; i < m_owners.size(); ++i) {
        const FakeOwner& owner = m_owners.at(i);
        if (owner.userName == userName && owner.password == password && !userName.isEmpty())
            return Account{userName, false, {i}};
        if (!owner.representativeUserName.isEmpty() && owner.representativeUserName == userName &&
            owner.representativePassword == password) {
            account.representative = true;
            account.owners.append(i);
        }
    }
    if (account.owners.isEmpty())
        return std::nullopt;
    return account;
}

PageAnswer FakePlatform::signOnAnswer(const PageRequest& request, const QString& path) {
    const QString returnTo = field(request, QStringLiteral("service"));
    if (path == kSignOnPath)
        return html(SignOnPages::signOn(m_signOnBase + kSignOnPost, returnTo, QString()));
    if (path != kSignOnPost || request.method != QLatin1String("POST"))
        return notFound();
    const auto account = accountFor(field(request, QStringLiteral("j_username")),
                                    field(request, QStringLiteral("j_password")));
    if (!account)
        return html(SignOnPages::signOn(m_signOnBase + kSignOnPost, returnTo,
                                        QStringLiteral("Λάθος όνομα χρήστη ή κωδικός πρόσβασης.")));
    const QString ticket = QStringLiteral("ST-") + randomToken();
    m_tickets.insert(ticket, *account);
    const bool returnsHome = returnTo.startsWith(m_leaseAppBase + QLatin1Char('/'));
    return redirect(withTicket(
        returnsHome ? returnTo : protectedAddress(QStringLiteral("displayConsole.htm")), ticket));
}

PageAnswer FakePlatform::leaseAppAnswer(const PageRequest& request, const QString& path) {
    if (!path.startsWith(kProtected))
        return notFound();
    const QString ticket = field(request, QStringLiteral("ticket"));
    if (!ticket.isEmpty() && m_tickets.contains(ticket)) {
        Session session;
        session.account = m_tickets.take(ticket);
        if (!session.account.representative)
            session.actingOwner = session.account.owners.first();
        const QString id = randomToken();
        m_sessions.insert(id, session);
        QUrl clean = request.url;
        QUrlQuery query(clean);
        query.removeAllQueryItems(QStringLiteral("ticket"));
        clean.setQuery(query);
        PageAnswer answer = redirect(clean.toString());
        answer.setCookies.insert(kSessionCookie, id);
        return answer;
    }
    const auto found = m_sessions.find(request.cookies.value(kSessionCookie));
    const QString page = path.mid(kProtected.size());
    const bool opensDeclaration = page == QLatin1String("submissionAction.htm") &&
                                  QStringList({QStringLiteral("view"), QStringLiteral("edit")})
                                      .contains(field(request, QStringLiteral("action")));
    // An untidy platform ends the session after so many declarations opened.
    if (found != m_sessions.end() && opensDeclaration && m_untidy.sessionExpiresAfter > 0 &&
        ++found->declarationsOpened > m_untidy.sessionExpiresAfter)
        m_sessions.erase(found);
    else if (found != m_sessions.end())
        return protectedPage(request, *found, page);
    return redirect(signOnPage() + QStringLiteral("?service=") +
                    QString::fromLatin1(QUrl::toPercentEncoding(request.url.toString())));
}

QString FakePlatform::userLine(const Session& session) const {
    const QString user =
        QStringLiteral("Χρήστης:&nbsp;<b>%1</b>").arg(session.account.userName.toHtmlEscaped());
    if (session.actingOwner < 0)
        return user;
    const QString afm = m_owners.at(session.actingOwner).data.ownerAfm;
    if (session.account.representative)
        return user + QStringLiteral(
                          " &middot; <span class=\"actor\">για λογαριασμό του Α.Φ.Μ.: %1</span>")
                          .arg(afm);
    return user + QStringLiteral(" &middot; <span class=\"actor\">Α.Φ.Μ.: %1</span>").arg(afm);
}

PageAnswer FakePlatform::protectedPage(const PageRequest& request, Session& session,
                                       const QString& page) {
    if (page == QLatin1String("displayActorRoles.htm")) {
        const QString chosen = field(request, QStringLiteral("actorRole"));
        for (const int owner : session.account.owners)
            if (m_owners.at(owner).data.ownerAfm == chosen)
                session.actingOwner = owner;
        return redirect(protectedAddress(QStringLiteral("displayConsole.htm")));
    }
    if (session.actingOwner < 0) {
        QStringList afms;
        for (const int owner : session.account.owners)
            afms.append(m_owners.at(owner).data.ownerAfm);
        return html(SignOnPages::roleChoice(userLine(session), afms));
    }
    if (page == QLatin1String("displayConsole.htm"))
        return html(m_untidy.consoleInFrames ? SignOnPages::consoleInFrames(userLine(session))
                                             : SignOnPages::console(userLine(session)));
    if (page == QLatin1String("consoleMenu.htm"))
        return html(SignOnPages::consoleMenuFrame());
    if (page == QLatin1String("consoleMain.htm"))
        return html(SignOnPages::consoleMainFrame());
    if (page == QLatin1String("displaySubmissionDetails.htm"))
        return html(
            SubmissionListPage::page(m_submissions.at(session.actingOwner), userLine(session),
                                     QStringLiteral("Δηλώσεις του εκμισθωτή με Α.Φ.Μ. %1")
                                         .arg(m_owners.at(session.actingOwner).data.ownerAfm),
                                     m_untidy));
    if (page == QLatin1String("submissionAction.htm"))
        return actionAnswer(request, session);
    if (page == QLatin1String("gsis-flow.htm"))
        return flowAnswer(request, session);
    if (page == QLatin1String("printSubmission.htm")) {
        const PlatformSubmission* submission =
            findSubmission(session, field(request, QStringLiteral("transId")));
        if (submission && !submission->isTemporarilySaved())
            return html(ActionPages::print(*submission, userLine(session)));
    }
    return notFound();
}

const PlatformSubmission* FakePlatform::findSubmission(const Session& session,
                                                       const QString& number) const {
    if (session.actingOwner < 0)
        return nullptr;
    for (const PlatformSubmission& submission : m_submissions.at(session.actingOwner))
        if (submission.number == number)
            return &submission;
    return nullptr;
}

PageAnswer FakePlatform::actionAnswer(const PageRequest& request, Session& session) {
    const QString number = field(request, QStringLiteral("transId"));
    const QString action = field(request, QStringLiteral("action"));
    const PlatformSubmission* submission = findSubmission(session, number);
    m_actionsSubmitted.append(action + QLatin1Char(' ') + number);
    const bool offered =
        submission &&
        (action == QLatin1String("edit") ? submission->isTemporarilySaved()
         : action == QLatin1String("view") || action == QLatin1String("print")
             ? !submission->isTemporarilySaved()
             : (action == QLatin1String("amend") || action == QLatin1String("terminate")) &&
                   submission->canBeAmended());
    if (!offered)
        return html(ActionPages::notice(
            QStringLiteral("Μη επιτρεπτή ενέργεια"),
            QStringLiteral("Η ενέργεια δεν επιτρέπεται για τη δήλωση ") + number,
            userLine(session)));
    if (action == QLatin1String("print"))
        return redirect(protectedAddress(QStringLiteral("printSubmission.htm?transId=")) + number);
    const QString key = QStringLiteral("_c") + randomToken() + QStringLiteral("_k1");
    session.flows.insert(key, {number, action});
    return redirect(protectedAddress(QStringLiteral("gsis-flow.htm?_flowExecutionKey=")) + key);
}

PageAnswer FakePlatform::flowAnswer(const PageRequest& request, Session& session) {
    const auto flow = session.flows.constFind(field(request, QStringLiteral("_flowExecutionKey")));
    const PlatformSubmission* submission =
        flow == session.flows.cend() ? nullptr : findSubmission(session, flow->number);
    if (!submission)
        return html(ActionPages::notice(
            QStringLiteral("Η διαδικασία έληξε"),
            QStringLiteral("Η διαδικασία έληξε. Ξεκινήστε ξανά από τη λίστα των δηλώσεων."),
            userLine(session)));
    if (flow->action == QLatin1String("amend"))
        return html(ActionPages::amend(*submission, userLine(session)));
    if (flow->action == QLatin1String("terminate"))
        return html(ActionPages::terminate(*submission, userLine(session)));
    if (submission->number == m_untidy.wrongNumberFor)
        for (const PlatformSubmission& other : m_submissions.at(session.actingOwner))
            if (other.number != submission->number) {
                submission = &other;
                break;
            }
    QString page =
        m_untidy.slowPageMs > 0
            ? DeclarationPage::latePage(*submission, userLine(session), m_untidy.slowPageMs)
            : DeclarationPage::page(*submission, userLine(session));
    if (m_untidy.busyPageMs > 0)
        page = DeclarationPage::busyAfterLoad(page, m_untidy.busyPageMs);
    return html(page);
}
