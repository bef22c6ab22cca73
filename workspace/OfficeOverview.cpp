#include "workspace/OfficeOverview.h"
#include "common/DateText.h"
#include "common/ErrorReport.h"
#include "store/GreekOrder.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "workspace/ExpiryTest.h"
#include "workspace/NewestAmendments.h"

#include <algorithm>

namespace {
const QString kAccepted = QStringLiteral("ΝΑΙ");
const int kParties = 5;

// The columns of one statement, each looked up once by name and then read by number.
class Columns {
public:
    int add(const QString& name) {
        const int at = static_cast<int>(m_names.indexOf(name));
        if (at >= 0)
            return at;
        m_names << name;
        return static_cast<int>(m_names.size()) - 1;
    }
    const QStringList& names() const { return m_names; }

private:
    QStringList m_names;
};

// The numbers of a party's columns in the declarations and in the newest amendment.
struct PartyColumns {
    int afm = -1;
    int name = -1;
    int acceptance = -1;        // the declaration's own
    int amendedAcceptance = -1; // the newest amending declaration's
};

struct Window {
    QString from; // today, year first
    QString to;   // today + days, year first
};

class OwnerReader {
public:
    OwnerReader(const OverviewOwner& owner, const Window& window, int lists)
        : m_owner(owner), m_window(window), m_lists(lists) {}

    // Reads the owner's tables into the lists; nothing is kept of an owner that fails.
    void readInto(OfficeOverview& out) {
        const bool expiring = m_lists & OfficeOverviewReader::Expiring;
        const bool unfinished = m_lists & OfficeOverviewReader::Unfinished;
        const bool unaccepted = m_lists & OfficeOverviewReader::Unaccepted;

        Columns mast;
        Columns det;
        const int dilCode = mast.add(QStringLiteral("DilCode"));
        const int stage = mast.add(QStringLiteral("StadioYpovolis"));
        const int firstLessee = mast.add(QStringLiteral("MistName1"));
        const int amendedStage = det.add(QStringLiteral("StadioYpovolis"));
        const int amendedKind = det.add(QStringLiteral("EidosDilosis"));
        const int end = mast.add(QStringLiteral("MistosiEosDate"));
        const int rent = mast.add(QStringLiteral("TotalMistoma"));
        const int amendedEnd = det.add(QStringLiteral("MistosiEosDate"));
        const int amendedRent = det.add(QStringLiteral("TotalMistoma"));
        const int submitted = mast.add(QStringLiteral("DateDisplay"));
        QList<PartyColumns> lessors, lessees;
        if (unaccepted) {
            for (int n = 1; n <= kParties; ++n) {
                const QString p = QString::number(n);
                lessors.append({mast.add(QStringLiteral("EkmAFM") + p),
                                mast.add(QStringLiteral("EkmName") + p),
                                mast.add(QStringLiteral("EkmCheckApodoxis") + p),
                                det.add(QStringLiteral("EkmCheckApodoxis") + p)});
                lessees.append({mast.add(QStringLiteral("MistAFM") + p),
                                mast.add(QStringLiteral("MistName") + p),
                                mast.add(QStringLiteral("MistCheckApodoxis") + p),
                                det.add(QStringLiteral("MistCheckApodoxis") + p)});
            }
        }

        const QHash<qlonglong, QVariantList> newest = newestAmendments(
            TdmTables::companyTablePath(m_owner.afm, QStringLiteral("MistDilDet")), det.names());
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT ") + mast.names().join(QStringLiteral(", ")) +
                 QStringLiteral(" from '") +
                 TdmTables::companyTablePath(m_owner.afm, QStringLiteral("MistDilMast")) +
                 QStringLiteral("' order by DilCode desc"));
        q.open();

        OfficeOverview found;
        for (q.first(); !q.eof(); q.next()) {
            const qlonglong code = q.value(dilCode).toLongLong();
            const auto amendment = newest.constFind(code);
            const QVariantList* amended = amendment == newest.constEnd() ? nullptr : &*amendment;
            // A column of the lease's current state: the newest amendment's, else its own.
            auto current = [&](int own, int ofAmendment) {
                return amended ? amended->at(ofAmendment).toString() : q.value(own).toString();
            };
            const QString ownStage = q.value(stage).toString();
            const QString currentStage = amended ? amended->at(amendedStage).toString() : ownStage;
            const bool terminated =
                amended && amended->at(amendedKind).toString() == kTerminationKind;

            if (expiring && !terminated) {
                const QString endDate = current(end, amendedEnd);
                if (endsWithinWindow(endDate)) {
                    const QVariant amount = amended ? amended->at(amendedRent) : q.value(rent);
                    found.expiring.append({m_owner.afm, m_owner.name, code,
                                           q.value(firstLessee).toString(), endDate,
                                           amount.toDouble()});
                }
            }
            const bool provisional =
                ownStage == kProvisionalStage || currentStage == kProvisionalStage;
            if (unfinished && provisional)
                found.unfinished.append({m_owner.afm, m_owner.name, code,
                                         q.value(submitted).toString(),
                                         q.value(firstLessee).toString()});
            if (unaccepted && currentStage != kProvisionalStage && !terminated) {
                auto collect = [&](const QList<PartyColumns>& parties, bool lessee) {
                    for (int n = 0; n < parties.size(); ++n) {
                        const PartyColumns& c = parties.at(n);
                        const QString afm = q.value(c.afm).toString().trimmed();
                        if (afm.isEmpty() || (!lessee && afm == m_owner.afm))
                            continue;
                        const QString acceptance = amended
                                                       ? amended->at(c.amendedAcceptance).toString()
                                                       : q.value(c.acceptance).toString();
                        if (acceptance.trimmed() != kAccepted)
                            found.unaccepted.append({m_owner.afm, m_owner.name, code, lessee, n + 1,
                                                     afm, q.value(c.name).toString()});
                    }
                };
                collect(lessors, false);
                collect(lessees, true);
            }
        }
        out.expiring += found.expiring;
        out.unfinished += found.unfinished;
        out.unaccepted += found.unaccepted;
    }

private:
    // A lease end that is a calendar date from today to the last day asked for: the
    // workspace's expiry test between the two dates, with no end date left out.
    bool endsWithinWindow(const QString& endDate) const {
        if (!QDate::fromString(endDate, QStringLiteral("dd/MM/yyyy")).isValid())
            return false;
        ExpiryInput lease;
        lease.end = SwapDateOrder(endDate);
        return passesExpiry(lease, ExpiryCriteria{m_window.from, m_window.to, false, false});
    }

    const OverviewOwner& m_owner;
    const Window& m_window;
    int m_lists;
};

void sortLists(OfficeOverview& o) {
    std::stable_sort(o.expiring.begin(), o.expiring.end(),
                     [](const ExpiringLease& a, const ExpiringLease& b) {
                         const QString endA = SwapDateOrder(a.endDate);
                         const QString endB = SwapDateOrder(b.endDate);
                         if (endA != endB)
                             return endA < endB;
                         if (a.afm != b.afm)
                             return a.afm < b.afm;
                         return a.dilCode < b.dilCode;
                     });
    std::stable_sort(o.unfinished.begin(), o.unfinished.end(),
                     [](const UnfinishedDeclaration& a, const UnfinishedDeclaration& b) {
                         if (a.afm != b.afm)
                             return a.afm < b.afm;
                         return a.dilCode > b.dilCode;
                     });
    std::stable_sort(o.unaccepted.begin(), o.unaccepted.end(),
                     [](const PendingAcceptance& a, const PendingAcceptance& b) {
                         if (a.afm != b.afm)
                             return a.afm < b.afm;
                         if (a.dilCode != b.dilCode)
                             return a.dilCode > b.dilCode;
                         if (a.lessee != b.lessee)
                             return !a.lessee;
                         return a.position < b.position;
                     });
}
} // namespace

QList<OverviewOwner> OfficeOverviewReader::owners(const QString& visibilityFilter) {
    const QString registerPath = QStringLiteral("Tables\\Comps.db");
    if (!TableStore::instance().exists(registerPath))
        return {};
    StoreQuery q;
    q.setSql(
        QStringLiteral("SELECT AFM, CompName from '") + registerPath + QLatin1Char('\'') +
        (visibilityFilter.isEmpty() ? QString() : QStringLiteral(" where ") + visibilityFilter) +
        QStringLiteral(" order by CompName collate ") +
        QString::fromLatin1(GreekOrder::collationName) + QStringLiteral(", AFM"));
    q.open();
    QList<OverviewOwner> found;
    found.reserve(q.recordCount());
    for (q.first(); !q.eof(); q.next())
        found.append({q.value(0).toString(), q.value(1).toString()});
    return found;
}

OfficeOverview OfficeOverviewReader::read(const QList<OverviewOwner>& owners, const QDate& today,
                                          int days, int lists) {
    const Window window{today.toString(QStringLiteral("yyyy/MM/dd")),
                        today.addDays(days).toString(QStringLiteral("yyyy/MM/dd"))};
    OfficeOverview overview;
    for (const OverviewOwner& owner : owners) {
        try {
            OwnerReader(owner, window, lists).readInto(overview);
        } catch (const AppError&) {
            overview.unreadable.append(owner);
        }
    }
    sortLists(overview);
    return overview;
}

QString OfficeOverviewReader::unreadableLine(const QList<OverviewOwner>& unreadable) {
    if (unreadable.isEmpty())
        return QString();
    QStringList names;
    for (const OverviewOwner& owner : unreadable)
        names << (owner.name.isEmpty() ? owner.afm : owner.afm + QStringLiteral(" ") + owner.name);
    return QStringLiteral("Δεν διαβάστηκαν: ") + names.join(QStringLiteral(", "));
}
