#pragma once
// The office's outstanding work across every owner it keeps: leases that end soon,
// declarations only provisionally saved on the platform, and parties who have not
// accepted a declaration. Read from each owner's stored tables with the workspace's
// rules for a lease's current state (its newest amending declaration when it has one).
// Reading takes no company lock, so an owner that another workstation has open is read
// as it stands; an owner whose tables cannot be read is named and the rest still count.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct OverviewOwner {
    QString afm;
    QString name; // as the company register lists it
};

// A lease that ends within the days asked for.
struct ExpiringLease {
    QString afm;
    QString ownerName;
    qlonglong dilCode = 0;
    QString firstLessee;
    QString endDate; // "DD/MM/YYYY"
    double monthlyRent = 0;
};

// A declaration whose own stage, or whose newest amending declaration's, is provisional.
struct UnfinishedDeclaration {
    QString afm;
    QString ownerName;
    qlonglong dilCode = 0;
    QString submitted; // the declaration's submission date as the platform shows it
    QString firstLessee;
};

// A lessor (other than the owner) or a lessee who has not accepted a declaration.
struct PendingAcceptance {
    QString afm;
    QString ownerName;
    qlonglong dilCode = 0;
    bool lessee = false; // false: a lessor
    int position = 0;    // 1 to 5
    QString partyAfm;
    QString partyName;
};

struct OfficeOverview {
    QList<ExpiringLease> expiring;           // by end date, then AFM, then DilCode
    QList<UnfinishedDeclaration> unfinished; // by AFM, then DilCode descending
    QList<PendingAcceptance> unaccepted;     // by AFM, DilCode descending, lessors first, position
    QList<OverviewOwner> unreadable;         // owners whose tables could not be read
};

namespace OfficeOverviewReader {
enum List { Expiring = 1, Unfinished = 2, Unaccepted = 4, AllLists = 7 };

inline constexpr int kDefaultDays = 30;
inline constexpr int kMinDays = 1;
inline constexpr int kMaxDays = 730;

// The owners of the company register that pass the register filter (the chooser's
// visibility rule, or empty for every owner), in the register's name order. No register
// yet: none.
QList<OverviewOwner> owners(const QString& visibilityFilter);

// The lists asked for (a combination of List) over the owners given; leases ending from
// today to today + days, both included.
OfficeOverview read(const QList<OverviewOwner>& owners, const QDate& today, int days,
                    int lists = AllLists);

// The party's role as the tool prints it: "lessor" or "lessee".
inline QString roleWord(const PendingAcceptance& party) {
    return party.lessee ? QStringLiteral("lessee") : QStringLiteral("lessor");
}
// "Δεν διαβάστηκαν: " and the owners, each as AFM and name; empty when every owner was read.
QString unreadableLine(const QList<OverviewOwner>& unreadable);
} // namespace OfficeOverviewReader
