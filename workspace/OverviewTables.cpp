#include "workspace/OverviewTables.h"

namespace {
const QString kOwnerAfm = QStringLiteral("ΑΦΜ Ιδιοκτήτη");
const QString kOwner = QStringLiteral("Ιδιοκτήτης");
const QString kNumber = QStringLiteral("Αρ. Δήλωσης");
const QString kFirstLessee = QStringLiteral("1ος Μισθωτής");

// Adds a row that begins with the owner and the declaration.
template <typename Item>
void addRow(OverviewTable& table, const Item& item, const QVariantList& rest) {
    table.rows.append(QVariantList{item.afm, item.ownerName, QString::number(item.dilCode)} + rest);
    table.keys.append({item.afm, item.dilCode});
}
} // namespace

OverviewTable OverviewTables::expiring(const OfficeOverview& overview) {
    OverviewTable table{QStringLiteral("Λήξεις μισθώσεων"),
                        {kOwnerAfm, kOwner, kNumber, kFirstLessee, QStringLiteral("Ημ. Λήξης"),
                         QStringLiteral("Μηνιαίο Μίσθωμα")},
                        {},
                        {}};
    for (const ExpiringLease& lease : overview.expiring)
        addRow(table, lease, {lease.firstLessee, lease.endDate, lease.monthlyRent});
    return table;
}

OverviewTable OverviewTables::unfinished(const OfficeOverview& overview) {
    OverviewTable table{QStringLiteral("Προσωρινά αποθηκευμένες"),
                        {kOwnerAfm, kOwner, kNumber, QStringLiteral("Ημ. Υποβολής"), kFirstLessee},
                        {},
                        {}};
    for (const UnfinishedDeclaration& d : overview.unfinished)
        addRow(table, d, {d.submitted, d.firstLessee});
    return table;
}

OverviewTable OverviewTables::unaccepted(const OfficeOverview& overview) {
    OverviewTable table{QStringLiteral("Αναμονή αποδοχής"),
                        {kOwnerAfm, kOwner, kNumber, QStringLiteral("Ιδιότητα"),
                         QStringLiteral("ΑΦΜ"), QStringLiteral("Επώνυμο / Επωνυμία")},
                        {},
                        {}};
    for (const PendingAcceptance& p : overview.unaccepted)
        addRow(table, p,
               {p.lessee ? QStringLiteral("Μισθωτής %1").arg(p.position)
                         : QStringLiteral("Εκμισθωτής %1").arg(p.position),
                p.partyAfm, p.partyName});
    return table;
}

QList<OverviewTable> OverviewTables::all(const OfficeOverview& overview) {
    return {expiring(overview), unfinished(overview), unaccepted(overview)};
}
