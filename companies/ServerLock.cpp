#include "companies/ServerLock.h"
#include "store/TableStore.h"

#include <QSqlQuery>

namespace {
// The first of the two keys of every company lock ("LE"); the second is the server's
// hash of the tax number.
const int kCompanyLocks = 0x4C45;

QVariant single(const QString& sql, const QString& afm) {
    QSqlQuery query = TableStore::instance().exec(sql, {kCompanyLocks, afm});
    return query.next() ? query.value(0) : QVariant();
}
} // namespace

ServerLock::Holder ServerLock::holder(const QString& afm) {
    const QVariant ours = single(
        QStringLiteral("SELECT bool_or(pid = pg_backend_pid()) FROM pg_locks WHERE locktype = "
                       "'advisory' AND granted AND objsubid = 2 AND classid = ?::bigint::oid "
                       "AND objid = (hashtext(?)::bigint & 4294967295)::oid"),
        afm);
    if (ours.isNull())
        return Holder::Nobody;
    return ours.toBool() ? Holder::This : Holder::Other;
}

bool ServerLock::take(const QString& afm) {
    if (holder(afm) == Holder::This)
        return true;
    return single(QStringLiteral("SELECT pg_try_advisory_lock(?, hashtext(?))"), afm).toBool();
}

void ServerLock::release(const QString& afm) {
    if (holder(afm) == Holder::This)
        single(QStringLiteral("SELECT pg_advisory_unlock(?, hashtext(?))"), afm);
}
