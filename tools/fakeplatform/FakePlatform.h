#pragma once
// The authority's lease platform, played from registers for tests and demonstrations.
// It answers the pages of the single sign-on host and of the lease application host:
// sign-on, console, role choice, the submission list with its action forms, the flow
// pages the forms open (a declaration's details, an amending declaration, a termination)
// and the print page. Signing on works as the platform's does: the sign-on host sends
// the browser back with a ticket, and the lease application keeps its own session in a
// cookie, so each browser profile is signed in on its own.

#include "portal/PageSource.h"
#include "tools/fakeplatform/PlatformSubmissions.h"
#include "tools/fakeplatform/Untidiness.h"

#include <QHash>
#include <QStringList>

// One owner on the platform: the register and the accounts that reach it.
struct FakeOwner {
    RegisterDataSet data;
    QString userName;
    QString password;
    // The owner's authorised user (empty: none). The same user may represent several
    // owners; signed in, they first pick the owner on the role choice page.
    QString representativeUserName;
    QString representativePassword;
};

class FakePlatform : public PageSource {
public:
    // The base addresses: scheme and host, and possibly a path, without a trailing slash.
    FakePlatform(QList<FakeOwner> owners, QString leaseAppBase, QString signOnBase);

    PageAnswer answer(const PageRequest& request) override;

    const QList<FakeOwner>& owners() const { return m_owners; }
    QString leaseAppBase() const { return m_leaseAppBase; }
    QString signOnBase() const { return m_signOnBase; }
    // The sign-on page address.
    QString signOnPage() const;
    // Every action form submitted, as "action number" (e.g. "view 1234"), in order.
    QStringList actionsSubmitted() const { return m_actionsSubmitted; }
    // Makes the pages and the sessions as untidy as the real platform's.
    void setUntidiness(const Untidiness& untidy) { m_untidy = untidy; }

private:
    struct Account {
        QString userName;
        bool representative = false;
        QList<int> owners; // the owners the account reaches
    };
    struct Flow {
        QString number;
        QString action;
    };
    struct Session {
        Account account;
        int actingOwner = -1; // -1 until an authorised user picks a role
        QHash<QString, Flow> flows;
        int declarationsOpened = 0;
    };

    PageAnswer signOnAnswer(const PageRequest& request, const QString& path);
    PageAnswer leaseAppAnswer(const PageRequest& request, const QString& path);
    PageAnswer protectedPage(const PageRequest& request, Session& session, const QString& page);
    PageAnswer actionAnswer(const PageRequest& request, Session& session);
    PageAnswer flowAnswer(const PageRequest& request, Session& session);
    const PlatformSubmission* findSubmission(const Session& session, const QString& number) const;
    std::optional<Account> accountFor(const QString& userName, const QString& password) const;
    QString userLine(const Session& session) const;
    QString protectedAddress(const QString& page) const;

    QList<FakeOwner> m_owners;
    QList<QList<PlatformSubmission>> m_submissions; // per owner
    QString m_leaseAppBase;
    QString m_signOnBase;
    QHash<QString, Session> m_sessions; // by the session cookie
    QHash<QString, Account> m_tickets;
    QStringList m_actionsSubmitted;
    Untidiness m_untidy;
};
