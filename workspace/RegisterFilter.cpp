#include "workspace/RegisterFilter.h"
#include "common/DateText.h"
#include "store/StoreQuery.h"
#include "store/TableStore.h"
#include "workspace/ExpiryTest.h"
#include "workspace/NewestAmendments.h"
#include "workspace/StoredCounts.h"

#include <QHash>
#include <QSet>

namespace {
const QString& kProvisional = kProvisionalStage;
const QString& kTermination = kTerminationKind;

QString numberList(const QList<qlonglong>& numbers) {
    QStringList texts;
    for (const qlonglong number : numbers)
        texts << QString::number(number);
    return texts.join(QLatin1Char(','));
}

bool isEmptyDateBox(const QString& text) {
    return text.isEmpty() || text == kEmptyDateBox;
}

QString yearFirst(const QString& boxText) {
    return isEmptyDateBox(boxText) ? QString() : SwapDateOrder(boxText);
}

struct Amendment {
    QString kind;
    QString stage;
    QString start;
    QString end;
};

// The newest amending declaration of each declaration (highest amending number).
QHash<qlonglong, Amendment> newestAmendmentStates() {
    const QHash<qlonglong, QVariantList> rows =
        newestAmendments(StoredDeclarations::detPath(),
                         {QStringLiteral("EidosDilosis"), QStringLiteral("StadioYpovolis"),
                          QStringLiteral("MistosiApoDate"), QStringLiteral("MistosiEosDate")});
    QHash<qlonglong, Amendment> newest;
    newest.reserve(rows.size());
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        newest.insert(it.key(), {it->at(0).toString(), it->at(1).toString(), it->at(2).toString(),
                                 it->at(3).toString()});
    return newest;
}

// The declarations with at least one property whose paired field holds the text.
QSet<qlonglong> declarationsWithProperty(const QString& field, const QString& text) {
    StoreQuery q;
    q.setSql(QStringLiteral("SELECT DilCode, ") + field + QStringLiteral(" from '") +
             StoredDeclarations::akinitaPath() + QStringLiteral("'"));
    q.open();
    QSet<qlonglong> found;
    for (q.first(); !q.eof(); q.next())
        if (q.value(1).toString().contains(text, Qt::CaseSensitive))
            found.insert(q.value(0).toLongLong());
    return found;
}

// Clears every mark and marks the declarations given, in one transaction, so that
// another filter run on the same company sees either its marks before or after.
void writeMarks(const QList<qlonglong>& marked) {
    TableStore::Transaction transaction;
    StoredDeclarations::ClearFilterMarks();
    const int chunk = 500;
    for (int from = 0; from < marked.size(); from += chunk) {
        StoreQuery q;
        q.setSql(QStringLiteral("Update '") + StoredDeclarations::mastPath() +
                 QStringLiteral("' SET FilterField = 1 where DilCode in (") +
                 numberList(marked.mid(from, chunk)) + QLatin1Char(')'));
        q.execSql();
    }
    transaction.commit();
}
} // namespace

FilterGroups RegisterFilter::groupsOf(const FilterCriteria& c) {
    FilterGroups g;
    g.property = !c.declarationNumber.isEmpty() || !c.atak.isEmpty() || !c.address.isEmpty();
    g.lessee = !c.name.isEmpty() || !c.afm.isEmpty();
    g.expiry = !isEmptyDateBox(c.dateFrom) || !isEmptyDateBox(c.dateTo);
    g.stage = c.stage == StageChoice::Active || c.stage == StageChoice::Final ||
              c.stage == StageChoice::Provisional;
    return g;
}

bool RegisterFilter::adjustableHasDates(const FilterCriteria& c) {
    return !c.adjustable || (!isEmptyDateBox(c.dateFrom) && !isEmptyDateBox(c.dateTo));
}

bool RegisterFilter::datesAreDates(const FilterCriteria& c) {
    return IsDateBoxDateOrEmpty(c.dateFrom) && IsDateBoxDateOrEmpty(c.dateTo);
}

FilterOutcome RegisterFilter::run(const FilterCriteria& c) {
    FilterOutcome outcome;
    outcome.groups = groupsOf(c);
    const QList<qlonglong> marked = find(c);
    writeMarks(marked);
    outcome.marked = static_cast<int>(marked.size());
    return outcome;
}

QString RegisterFilter::onlyThese(const QList<qlonglong>& dilCodes) {
    return dilCodes.isEmpty()
               ? QStringLiteral("0 = 1")
               : QStringLiteral("DilCode in (") + numberList(dilCodes) + QLatin1Char(')');
}

QList<qlonglong> RegisterFilter::find(const FilterCriteria& c) {
    const FilterGroups groups = groupsOf(c);
    if (!groups.any())
        return {};

    QSet<qlonglong> withProperty;
    if (groups.property) {
        if (!c.declarationNumber.isEmpty())
            withProperty = declarationsWithProperty(QStringLiteral("DilCode"), c.declarationNumber);
        else if (!c.atak.isEmpty())
            withProperty = declarationsWithProperty(QStringLiteral("ATAK"), c.atak);
        else
            withProperty = declarationsWithProperty(QStringLiteral("Odos"), c.address);
    }
    const bool byName = !c.name.isEmpty();
    const QString lesseeText = byName ? c.name : c.afm;
    const QString lesseeBase = byName ? QStringLiteral("MistName") : QStringLiteral("MistAFM");
    const ExpiryCriteria expiry{yearFirst(c.dateFrom), yearFirst(c.dateTo), c.withTerminations,
                                c.adjustable};
    const QHash<qlonglong, Amendment> newest = newestAmendmentStates();

    StoreQuery q;
    q.setSql(QStringLiteral("SELECT DilCode, StadioYpovolis, MistosiApoDate, MistosiEosDate, ") +
             lesseeBase + QStringLiteral("1, ") + lesseeBase + QStringLiteral("2, ") + lesseeBase +
             QStringLiteral("3, ") + lesseeBase + QStringLiteral("4, ") + lesseeBase +
             QStringLiteral("5 from '") + StoredDeclarations::mastPath() +
             QStringLiteral("' order by DilCode desc"));
    q.open();
    QList<qlonglong> marked;
    const bool otherGroups = groups.property || groups.lessee || groups.expiry;
    for (q.first(); !q.eof(); q.next()) {
        const qlonglong dilCode = q.value(0).toLongLong();
        const auto amendment = newest.constFind(dilCode);
        const bool hasAmendment = amendment != newest.constEnd();
        bool result = true;
        if (groups.property)
            result = result && withProperty.contains(dilCode);
        if (groups.lessee) {
            bool found = false;
            for (int column = 4; column <= 8 && !found; ++column)
                found = q.value(column).toString().contains(lesseeText, Qt::CaseSensitive);
            result = result && found;
        }
        if (groups.expiry && result) {
            ExpiryInput lease;
            lease.start = SwapDateOrder(hasAmendment ? amendment->start : q.value(2).toString());
            lease.end = SwapDateOrder(hasAmendment ? amendment->end : q.value(3).toString());
            lease.terminated = hasAmendment && amendment->kind == kTermination;
            result = passesExpiry(lease, expiry);
        }
        const QString stage = hasAmendment ? amendment->stage : q.value(1).toString();
        const bool provisional = stage == kProvisional;
        const bool active =
            hasAmendment ? amendment->kind != kTermination : q.value(1).toString() != kProvisional;
        switch (c.stage) {
        case StageChoice::Active:
            result = otherGroups ? result && active : active;
            break;
        case StageChoice::Final:
            result = result && !provisional;
            break;
        case StageChoice::Provisional:
            result = result && provisional;
            break;
        case StageChoice::Unchosen:
        case StageChoice::All:
            break;
        }
        if (result)
            marked << dilCode;
    }
    return marked;
}
